// A file-dialog port for tests: records every dialog it is asked to show and
// answers from a script. An unscripted dialog is a test failure (cancelled).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host/FileDialogPort.h"

struct RecordedDialog {
  bool save;
  std::string title;
  std::vector<std::string> filters;  // "description|pattern" each
  int filterIndex;
  std::string initialFolder;         // empty for the current folder
  std::string defaultExtension;
  bool fileMustExist;
  std::string startPath;             // the file box when the dialog opened
  std::string startName;
};

class FakeFileDialogPort : public FileDialogPort {
 public:
  bool ShowOpenDialog(const FileDialogRequest& request, char* path, char* name) override;
  bool ShowSaveDialog(const FileDialogRequest& request, char* path, char* name,
                      int* chosenFilterIndex) override;

  // The next dialog ends with OK on this file (and this filter, for a save).
  void Choose(const std::string& path, const std::string& name, int filterIndex = 1);
  // The next dialog is cancelled.
  void Cancel();

  const std::vector<RecordedDialog>& Dialogs() const { return dialogs_; }

 private:
  struct Answer {
    bool ok;
    std::string path;
    std::string name;
    int filterIndex;
  };
  bool Run(bool save, const FileDialogRequest& request, char* path, char* name, int* filterIndex);

  std::deque<Answer> answers_;
  std::vector<RecordedDialog> dialogs_;
};
