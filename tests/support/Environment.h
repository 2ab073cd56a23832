// Environment variables set for the length of one test and restored after it.
#pragma once

#include <optional>
#include <string>

class ScopedEnvironmentVariable {
 public:
  // Sets `name` to `value`, or removes it when `value` is null.
  ScopedEnvironmentVariable(const char* name, const char* value);
  ~ScopedEnvironmentVariable();
  ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
  ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

 private:
  std::string name_;
  std::optional<std::string> previous_;
};
