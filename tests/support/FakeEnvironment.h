// An environment port for tests: variables from a map, a Windows folder and a
// current folder that the test sets ("" for none).
#pragma once

#include <map>
#include <string>

#include "host/EnvironmentPort.h"

class FakeEnvironment : public EnvironmentPort {
 public:
  const char* Variable(const char* name) override;
  bool WindowsFolder(char* out, std::size_t outSize) override;
  bool CurrentFolder(char* out, std::size_t outSize) override;
  bool ProgramFolder(char* out, std::size_t outSize) override;

  std::map<std::string, std::string> variables;
  std::string windowsFolder;
  std::string currentFolder;
  std::string programFolder;
};
