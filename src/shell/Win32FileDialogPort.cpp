// GetOpenFileNameA and GetSaveFileNameA over the port's requests. The dialogs
// work on copies, so a cancelled dialog never touches the caller's buffers.
#include "shell/Win32FileDialogPort.h"

#include "shell/Win32.h"

#include <commdlg.h>

#include <cstdio>
#include <cstring>

#include "config/ProgramSettings.h"
#include "shell/Shell.h"

namespace {

// Room for every filter list the program shows.
constexpr std::size_t kFilterListSize = 1024;

// Appends `text` and its terminating zero at `used`; false when it does not fit
// with the list's final zero after it.
bool AppendFilterText(char (&list)[kFilterListSize], std::size_t& used, const char* text) {
  std::size_t length = std::strlen(text) + 1;
  if (used + length + 1 > sizeof list) return false;
  std::memcpy(list + used, text, length);
  used += length;
  return true;
}

// The filters as the common dialogs want them: description and pattern, each
// zero-terminated, the list ended by one more zero. Filters that do not fit are
// left out.
void BuildFilterList(const FileDialogRequest& request, char (&list)[kFilterListSize]) {
  std::size_t used = 0;
  for (int i = 0; i < request.filterCount; ++i) {
    std::size_t before = used;
    if (!AppendFilterText(list, used, request.filters[i].description) ||
        !AppendFilterText(list, used, request.filters[i].pattern)) {
      used = before;
      break;
    }
  }
  list[used] = '\0';
}

// What a dialog works on: the filter list and copies of the caller's path and name.
struct DialogBuffers {
  char filters[kFilterListSize];
  char file[kPathSize];
  char fileTitle[kPathSize];
};

void Prepare(const Shell& shell, const FileDialogRequest& request, const char* path, const char* name,
             DialogBuffers& buffers, OPENFILENAMEA& dialog) {
  BuildFilterList(request, buffers.filters);
  std::snprintf(buffers.file, sizeof buffers.file, "%s", path);
  std::snprintf(buffers.fileTitle, sizeof buffers.fileTitle, "%s", name);
  dialog = OPENFILENAMEA{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = shell.mainWindow;
  dialog.hInstance = shell.instance;
  dialog.lpstrFilter = buffers.filters;
  dialog.nFilterIndex = static_cast<DWORD>(request.filterIndex);
  dialog.lpstrFile = buffers.file;
  dialog.nMaxFile = sizeof buffers.file;
  dialog.lpstrFileTitle = buffers.fileTitle;
  dialog.nMaxFileTitle = sizeof buffers.fileTitle;
  dialog.lpstrInitialDir =
      request.initialFolder != nullptr && request.initialFolder[0] != '\0' ? request.initialFolder : nullptr;
  dialog.lpstrTitle = request.title;
  dialog.Flags = OFN_PATHMUSTEXIST | (request.fileMustExist ? OFN_FILEMUSTEXIST : 0);
  dialog.lpstrDefExt = request.defaultExtension;
}

void HandBack(const DialogBuffers& buffers, char* path, char* name) {
  std::snprintf(path, kPathSize, "%s", buffers.file);
  std::snprintf(name, kPathSize, "%s", buffers.fileTitle);
}

}  // namespace

bool Win32FileDialogPort::ShowOpenDialog(const FileDialogRequest& request, char* path, char* name) {
  DialogBuffers buffers;
  OPENFILENAMEA dialog;
  Prepare(shell_, request, path, name, buffers, dialog);
  if (!GetOpenFileNameA(&dialog)) return false;
  HandBack(buffers, path, name);
  return true;
}

bool Win32FileDialogPort::ShowSaveDialog(const FileDialogRequest& request, char* path, char* name,
                                         int* chosenFilterIndex) {
  DialogBuffers buffers;
  OPENFILENAMEA dialog;
  Prepare(shell_, request, path, name, buffers, dialog);
  if (!GetSaveFileNameA(&dialog)) return false;
  HandBack(buffers, path, name);
  *chosenFilterIndex = static_cast<int>(dialog.nFilterIndex);
  return true;
}
