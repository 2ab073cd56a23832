// The folder-picker port: the platform's folder browser, rooted at the user's
// documents folder. The Win32 shell shows the shell's browser; tests answer from
// a script.
#pragma once

class FolderDialogPort {
 public:
  virtual ~FolderDialogPort() = default;
  // Shows the folder browser titled `prompt`. When the user chooses a folder that
  // has a file-system path, copies the path into `folder` (260 bytes) and answers
  // true. On Cancel, for a folder without a path, or when the browser cannot run
  // (the user has been told), answers false and leaves `folder` as it was.
  virtual bool PickFolder(const char* prompt, char* folder) = 0;
};
