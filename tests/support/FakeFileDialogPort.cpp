// The scripted file dialogs of the tests.
#include "support/FakeFileDialogPort.h"

#include <cstdio>

#include <gtest/gtest.h>

#include "host/Paths.h"

bool FakeFileDialogPort::ShowOpenDialog(const FileDialogRequest& request, char* path, char* name) {
  return Answer(false, request, path, name, nullptr);
}

bool FakeFileDialogPort::ShowSaveDialog(const FileDialogRequest& request, char* path, char* name,
                                        int* chosenFilterIndex) {
  return Answer(true, request, path, name, chosenFilterIndex);
}

bool FakeFileDialogPort::Answer(bool isSave, const FileDialogRequest& request, char* path, char* name,
                                int* chosenFilterIndex) {
  RecordedDialog dialog{isSave,
                        request.title,
                        {},
                        {},
                        request.filterIndex,
                        request.initialFolder != nullptr ? request.initialFolder : "",
                        request.defaultExtension != nullptr ? request.defaultExtension : "",
                        request.fileMustExist,
                        path,
                        name};
  for (int i = 0; i < request.filterCount; ++i) {
    dialog.filterDescriptions.push_back(request.filters[i].description);
    dialog.filterPatterns.push_back(request.filters[i].pattern);
  }
  dialogs_.push_back(dialog);

  if (choices_.empty()) {
    ADD_FAILURE() << "unexpected dialog: " << request.title;
    return false;
  }
  DialogChoice choice = choices_.front();
  choices_.pop_front();
  if (!choice.ok) return false;
  std::snprintf(path, kPathSize, "%s", choice.path.c_str());
  std::snprintf(name, kPathSize, "%s", choice.name.c_str());
  if (chosenFilterIndex != nullptr) {
    *chosenFilterIndex = choice.filterIndex != 0 ? choice.filterIndex : request.filterIndex;
  }
  return true;
}
