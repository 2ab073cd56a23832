// The environment port over the running process and its system.
#pragma once

#include "host/EnvironmentPort.h"

class ProcessEnvironment : public EnvironmentPort {
 public:
  const char* Variable(const char* name) override;
  bool WindowsFolder(char* out, std::size_t outSize) override;
  bool CurrentFolder(char* out, std::size_t outSize) override;
  bool ProgramFolder(char* out, std::size_t outSize) override;
};
