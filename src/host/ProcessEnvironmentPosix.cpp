// The process's surroundings on POSIX systems, which have no Windows folder.
#include <cstdlib>
#include <unistd.h>

#include "host/ProcessEnvironment.h"

const char* ProcessEnvironment::Variable(const char* name) { return std::getenv(name); }

bool ProcessEnvironment::WindowsFolder(char*, std::size_t) { return false; }

bool ProcessEnvironment::CurrentFolder(char* out, std::size_t outSize) {
  return outSize != 0 && getcwd(out, outSize) != nullptr;
}
