#include "support/FakeFileDialogPort.h"

#include <cstdio>

#include <gtest/gtest.h>

#include "config/ProgramSettings.h"

namespace {

std::string TextOrEmpty(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

bool FakeFileDialogPort::ShowOpenDialog(const FileDialogRequest& request, char* path, char* name) {
  return Run(false, request, path, name, nullptr);
}

bool FakeFileDialogPort::ShowSaveDialog(const FileDialogRequest& request, char* path, char* name,
                                        int* chosenFilterIndex) {
  return Run(true, request, path, name, chosenFilterIndex);
}

void FakeFileDialogPort::Choose(const std::string& path, const std::string& name, int filterIndex) {
  answers_.push_back({true, path, name, filterIndex});
}

void FakeFileDialogPort::Cancel() { answers_.push_back({false, "", "", 0}); }

bool FakeFileDialogPort::Run(bool save, const FileDialogRequest& request, char* path, char* name,
                             int* filterIndex) {
  RecordedDialog dialog{save, TextOrEmpty(request.title), {}, request.filterIndex,
                        TextOrEmpty(request.initialFolder), TextOrEmpty(request.defaultExtension),
                        request.fileMustExist, path, name};
  for (int index = 0; index < request.filterCount; ++index) {
    dialog.filters.push_back(TextOrEmpty(request.filters[index].description) + "|" +
                             TextOrEmpty(request.filters[index].pattern));
  }
  dialogs_.push_back(dialog);
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected file dialog: " << dialog.title;
    return false;
  }
  Answer answer = answers_.front();
  answers_.pop_front();
  if (!answer.ok) return false;
  std::snprintf(path, kPathSize, "%s", answer.path.c_str());
  std::snprintf(name, kPathSize, "%s", answer.name.c_str());
  if (filterIndex != nullptr) *filterIndex = answer.filterIndex;
  return true;
}
