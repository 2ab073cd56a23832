// SHBrowseForFolder with its item lists freed through the shell's allocator.
#include "shell/FolderBrowser.h"

#include <shlobj.h>

#include <cstring>

#include "commands/Session.h"
#include "host/MessagePort.h"
#include "shell/Shell.h"

bool PickFolder(HWND owner, MessagePort& messages, char* target, const char* prompt) {
  IMalloc* allocator = nullptr;
  if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr) {
    messages.ShowMessage("Unable to link to Shell IMalloc Interface!", MessageKind::Error, MessageButtons::Ok);
    return false;
  }
  LPITEMIDLIST root = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_PERSONAL, &root))) {
    allocator->Release();
    return false;
  }
  char displayName[MAX_PATH];
  BROWSEINFOA browse{};
  browse.hwndOwner = owner;
  browse.pidlRoot = root;
  browse.pszDisplayName = displayName;
  browse.lpszTitle = prompt;
  LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
  bool picked = false;
  if (chosen != nullptr) {
    char path[MAX_PATH];
    if (SHGetPathFromIDListA(chosen, path)) {
      std::strncpy(target, path, MAX_PATH - 1);
      target[MAX_PATH - 1] = '\0';
      picked = true;
    }
    allocator->Free(chosen);
  }
  allocator->Free(root);
  allocator->Release();
  return picked;
}

bool Win32FolderDialogPort::PickFolder(const char* prompt, char* folder) {
  return ::PickFolder(shell_.mainWindow, *shell_.session->ports.messages, folder, prompt);
}
