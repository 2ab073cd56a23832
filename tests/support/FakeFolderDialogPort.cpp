// The scripted folder picks of the tests.
#include "support/FakeFolderDialogPort.h"

#include <cstdio>

#include <gtest/gtest.h>

#include "host/Paths.h"

bool FakeFolderDialogPort::PickFolder(const char* prompt, char* folder) {
  prompts_.push_back(prompt);
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected folder browser: " << prompt;
    return false;
  }
  std::optional<std::string> answer = answers_.front();
  answers_.pop_front();
  if (!answer) return false;
  std::snprintf(folder, kPathSize, "%s", answer->c_str());
  return true;
}
