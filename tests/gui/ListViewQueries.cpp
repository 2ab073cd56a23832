#include "ListViewQueries.h"

#include <commctrl.h>

#include <string>

namespace {

// A buffer in the other process, for the list to write its answers into.
class RemoteBuffer {
 public:
  RemoteBuffer(DWORD processId, SIZE_T size)
      : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)),
        address_(process_ != nullptr ? VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE)
                                     : nullptr) {}
  ~RemoteBuffer() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  char* At(SIZE_T offset) const { return static_cast<char*>(address_) + offset; }
  bool Write(SIZE_T offset, const void* data, SIZE_T size) {
    return WriteProcessMemory(process_, At(offset), data, size, nullptr) != FALSE;
  }
  std::string ReadText(SIZE_T offset, SIZE_T size) {
    std::string text(size, '\0');
    if (!ReadProcessMemory(process_, At(offset), text.data(), size, nullptr)) return "<unreadable>";
    return text.c_str();
  }
  bool Usable() const { return address_ != nullptr; }

 private:
  HANDLE process_;
  void* address_;
};

constexpr SIZE_T kTextOffset = 512;
constexpr SIZE_T kTextSize = 256;

struct RemoteAnswer {
  DWORD_PTR result;  // what the list answered, 0 also when it did not answer
  std::string text;
};

// Sends the list `message` with `request` (an LVCOLUMNA or LVITEMA) copied into
// the list's process, its text field pointing there too, and reads the text back.
template <typename Request>
RemoteAnswer AskForText(HWND list, DWORD processId, UINT message, WPARAM index, Request request) {
  RemoteBuffer remote(processId, kTextOffset + kTextSize);
  if (!remote.Usable()) return {0, "<no remote memory>"};
  request.pszText = remote.At(kTextOffset);
  request.cchTextMax = kTextSize;
  remote.Write(0, &request, sizeof request);
  DWORD_PTR result = 0;
  SendMessageTimeoutA(list, message, index, reinterpret_cast<LPARAM>(remote.At(0)), SMTO_ABORTIFHUNG, 5000,
                      &result);
  return {result, remote.ReadText(kTextOffset, kTextSize)};
}

}  // namespace

std::string ColumnHeader(HWND list, DWORD processId, int column) {
  LVCOLUMNA request{};
  request.mask = LVCF_TEXT;
  RemoteAnswer answer = AskForText(list, processId, LVM_GETCOLUMNA, column, request);
  return answer.result != 0 ? answer.text : "<no column>";
}

std::string ItemText(HWND list, DWORD processId, int item, int column) {
  LVITEMA request{};
  request.iSubItem = column;
  return AskForText(list, processId, LVM_GETITEMTEXTA, item, request).text;
}

long ListItemCount(HWND list) {
  DWORD_PTR count = 0;
  SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
  return static_cast<long>(count);
}

unsigned ItemState(HWND list, int item, unsigned mask) {
  DWORD_PTR state = 0;
  SendMessageTimeoutA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask, SMTO_ABORTIFHUNG, 5000, &state);
  return static_cast<unsigned>(state);
}

bool SetItemState(HWND list, DWORD processId, int item, unsigned state, unsigned mask) {
  RemoteBuffer remote(processId, sizeof(LVITEMA));
  if (!remote.Usable()) return false;
  LVITEMA request{};
  request.state = state;
  request.stateMask = mask;
  remote.Write(0, &request, sizeof request);
  DWORD_PTR result = 0;
  SendMessageTimeoutA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(remote.At(0)),
                      SMTO_ABORTIFHUNG, 5000, &result);
  return result != 0;
}
