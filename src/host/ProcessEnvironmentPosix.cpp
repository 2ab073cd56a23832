// The process's surroundings on POSIX systems, which have no Windows folder.
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "host/ProcessEnvironment.h"

const char* ProcessEnvironment::Variable(const char* name) { return std::getenv(name); }

bool ProcessEnvironment::WindowsFolder(char*, std::size_t) { return false; }

bool ProcessEnvironment::CurrentFolder(char* out, std::size_t outSize) {
  return outSize != 0 && getcwd(out, outSize) != nullptr;
}

bool ProcessEnvironment::ProgramFolder(char* out, std::size_t outSize) {
  if (outSize == 0) return false;
  ssize_t length = readlink("/proc/self/exe", out, outSize);
  // readlink does not terminate; a full buffer may mean a cut path.
  if (length <= 0 || static_cast<std::size_t>(length) >= outSize) return false;
  out[length] = '\0';
  char* lastSeparator = std::strrchr(out, '/');
  if (lastSeparator == nullptr) return false;
  *(lastSeparator == out ? lastSeparator + 1 : lastSeparator) = '\0';
  return true;
}
