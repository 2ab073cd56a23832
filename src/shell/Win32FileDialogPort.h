// The file-dialog port on Windows: the common open and save dialogs, owned by the
// main window.
#pragma once

#include "host/FileDialogPort.h"

struct Shell;

class Win32FileDialogPort : public FileDialogPort {
 public:
  explicit Win32FileDialogPort(const Shell& shell) : shell_(shell) {}
  bool ShowOpenDialog(const FileDialogRequest& request, char* path, char* name) override;
  bool ShowSaveDialog(const FileDialogRequest& request, char* path, char* name,
                      int* chosenFilterIndex) override;

 private:
  const Shell& shell_;
};
