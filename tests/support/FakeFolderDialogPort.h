// A folder-picker port for tests: records each prompt and answers from a script.
// An unscripted pick is a test failure (answered as cancelled).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "host/FolderDialogPort.h"

class FakeFolderDialogPort : public FolderDialogPort {
 public:
  bool PickFolder(const char* prompt, char* folder) override;

  void Choose(const std::string& folder) { answers_.push_back(folder); }
  // Cancel, or a folder without a file-system path: the same to the caller.
  void Cancel() { answers_.push_back(std::nullopt); }
  const std::vector<std::string>& Prompts() const { return prompts_; }

 private:
  std::deque<std::optional<std::string>> answers_;
  std::vector<std::string> prompts_;
};
