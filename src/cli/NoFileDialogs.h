// The converter asks nothing: every file dialog is "cancelled".
#pragma once

#include "host/FileDialogPort.h"

class NoFileDialogs : public FileDialogPort {
 public:
  bool ShowOpenDialog(const FileDialogRequest&, char*, char*) override { return false; }
  bool ShowSaveDialog(const FileDialogRequest&, char*, char*, int*) override { return false; }
};
