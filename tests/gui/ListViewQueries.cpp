#include "ListViewQueries.h"

#include <commctrl.h>

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

}  // namespace

std::string ColumnHeader(HWND list, DWORD processId, int column) {
  RemoteBuffer remote(processId, kTextOffset + kTextSize);
  if (!remote.Usable()) return "<no remote memory>";
  LVCOLUMNA request{};
  request.mask = LVCF_TEXT;
  request.pszText = remote.At(kTextOffset);
  request.cchTextMax = kTextSize;
  remote.Write(0, &request, sizeof request);
  DWORD_PTR ok = 0;
  SendMessageTimeoutA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(remote.At(0)), SMTO_ABORTIFHUNG,
                      5000, &ok);
  return ok ? remote.ReadText(kTextOffset, kTextSize) : "<no column>";
}

std::string ItemText(HWND list, DWORD processId, int item, int column) {
  RemoteBuffer remote(processId, kTextOffset + kTextSize);
  if (!remote.Usable()) return "<no remote memory>";
  LVITEMA request{};
  request.iSubItem = column;
  request.pszText = remote.At(kTextOffset);
  request.cchTextMax = kTextSize;
  remote.Write(0, &request, sizeof request);
  DWORD_PTR length = 0;
  SendMessageTimeoutA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(remote.At(0)), SMTO_ABORTIFHUNG,
                      5000, &length);
  return remote.ReadText(kTextOffset, kTextSize);
}

long ListItemCount(HWND list) {
  DWORD_PTR count = 0;
  SendMessageTimeoutA(list, LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
  return static_cast<long>(count);
}
