// The environment port: what the process learns about its surroundings, namely
// environment variables, the Windows folder, the current folder and the
// program's own folder. The
// configuration file's place and the folder fallbacks are derived from it.
#pragma once

#include <cstddef>

class EnvironmentPort {
 public:
  virtual ~EnvironmentPort() = default;
  // The value of the environment variable `name`, or null when it is not set.
  // The text stays valid until the next call.
  virtual const char* Variable(const char* name) = 0;
  // The system's Windows folder into `out` (zero-terminated). False where there
  // is none or it does not fit `outSize` bytes.
  virtual bool WindowsFolder(char* out, std::size_t outSize) = 0;
  // The process's current folder into `out` (zero-terminated). False when it
  // cannot be found or does not fit `outSize` bytes.
  virtual bool CurrentFolder(char* out, std::size_t outSize) = 0;
  // The folder that holds the running program, without a trailing separator, into
  // `out` (zero-terminated): where the files shipped with the program are. False
  // when it cannot be found or does not fit `outSize` bytes.
  virtual bool ProgramFolder(char* out, std::size_t outSize) = 0;
};
