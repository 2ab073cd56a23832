// An edit control ignores WM_DROPFILES, so edit 1010 is subclassed to hand the
// message to the main window.
#include "shell/FileDrops.h"

#include <commctrl.h>

#include <cstdio>

#include "commands/Session.h"
#include "commands/SourceCommands.h"
#include "shell/Shell.h"
#include "writers/FileExtension.h"

namespace {

constexpr UINT_PTR kDropForwarding = 1;

LRESULT CALLBACK DropForwardingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR) {
  if (message == WM_DROPFILES) return SendMessageA(GetParent(window), message, wParam, lParam);
  return DefSubclassProc(window, message, wParam, lParam);
}

// Replaces the file-name part of `path` by the name the file system reports
// (its own spelling of the case), when the file is there.
void UseFileSystemSpelling(char (&path)[MAX_PATH]) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) return;
  FindClose(search);
  char* name = path + (FileNamePartOf(path) - path);
  std::snprintf(name, sizeof path - static_cast<size_t>(name - path), "%s", found.cFileName);
}

}  // namespace

void ForwardDropsToParent(HWND sourceEdit) {
  SetWindowSubclass(sourceEdit, DropForwardingProcedure, kDropForwarding, 0);
}

void TakeFileDrop(Shell& shell, HDROP drop) {
  char path[MAX_PATH] = "";
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  const bool taken = count > 0 && DragQueryFileA(drop, 0, path, sizeof path) > 0;
  DragFinish(drop);
  if (!taken) return;
  UseFileSystemSpelling(path);
  TakeDroppedSourcePlan(*shell.session, path);
}
