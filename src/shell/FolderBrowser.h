// The shell's folder browser, rooted at the user's documents folder, and the
// folder-picker port over it.
#pragma once

#include "host/FolderDialogPort.h"
#include "shell/Win32.h"

class MessagePort;
struct Shell;

// Lets the user choose a folder below "My Documents" in a browser owned by
// `owner` and titled `prompt`. True with the folder's path in `target` (260
// bytes); false, `target` untouched, on Cancel or for a folder without a path.
// When the shell's allocator is unavailable, says "Unable to link to Shell
// IMalloc Interface!" through `messages` and answers false.
bool PickFolder(HWND owner, MessagePort& messages, char* target, const char* prompt);

// The folder-picker port of the program: browsers owned by the main window.
class Win32FolderDialogPort : public FolderDialogPort {
 public:
  explicit Win32FolderDialogPort(const Shell& shell) : shell_(shell) {}
  bool PickFolder(const char* prompt, char* folder) override;

 private:
  const Shell& shell_;
};
