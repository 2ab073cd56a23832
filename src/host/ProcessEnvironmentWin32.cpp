// The process's surroundings on Windows, through the ANSI functions like every
// other path of the program.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "host/ProcessEnvironment.h"

namespace {

// The Win32 convention of both folder queries: the length on success, the size
// needed when the buffer is too small, zero on failure.
bool FitsReportedLength(DWORD length, std::size_t outSize) { return length != 0 && length < outSize; }

}  // namespace

const char* ProcessEnvironment::Variable(const char* name) { return std::getenv(name); }

bool ProcessEnvironment::WindowsFolder(char* out, std::size_t outSize) {
  return outSize != 0 && FitsReportedLength(GetWindowsDirectoryA(out, static_cast<UINT>(outSize)), outSize);
}

bool ProcessEnvironment::CurrentFolder(char* out, std::size_t outSize) {
  return outSize != 0 && FitsReportedLength(GetCurrentDirectoryA(static_cast<DWORD>(outSize), out), outSize);
}

bool ProcessEnvironment::ProgramFolder(char* out, std::size_t outSize) {
  if (outSize == 0) return false;
  if (!FitsReportedLength(GetModuleFileNameA(nullptr, out, static_cast<DWORD>(outSize)), outSize)) {
    return false;
  }
  char* lastSeparator = std::strrchr(out, '\\');
  if (lastSeparator == nullptr) return false;
  *lastSeparator = '\0';
  return true;
}
