// A file-dialog port for tests: records every dialog it was asked to show (with
// the file it started from) and answers from a script. An unscripted dialog is a
// test failure (answered Cancel).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host/FileDialogPort.h"

// One dialog as it was shown: the request, copied, and the starting file.
struct RecordedDialog {
  bool isSave;
  std::string title;
  std::vector<std::string> filterDescriptions;
  std::vector<std::string> filterPatterns;
  int filterIndex;
  std::string initialFolder;
  std::string defaultExtension;
  bool fileMustExist;
  std::string startPath;
  std::string startName;
};

// What the user does in the next dialog: cancel, or choose a file (and a filter).
struct DialogChoice {
  bool ok;
  std::string path;
  std::string name;
  int filterIndex;  // 0: the filter the dialog opened with
};

class FakeFileDialogPort : public FileDialogPort {
 public:
  bool ShowOpenDialog(const FileDialogRequest& request, char* path, char* name) override;
  bool ShowSaveDialog(const FileDialogRequest& request, char* path, char* name,
                      int* chosenFilterIndex) override;

  void Choose(const std::string& path, const std::string& name, int filterIndex = 0) {
    choices_.push_back({true, path, name, filterIndex});
  }
  void Cancel() { choices_.push_back({false, "", "", 0}); }

  const std::vector<RecordedDialog>& Dialogs() const { return dialogs_; }

 private:
  bool Answer(bool isSave, const FileDialogRequest& request, char* path, char* name,
              int* chosenFilterIndex);

  std::deque<DialogChoice> choices_;
  std::vector<RecordedDialog> dialogs_;
};
