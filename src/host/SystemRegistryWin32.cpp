// The Windows registry. The keys of interest are written by 32-bit installers, so
// they are read from the 32-bit view, where a 64-bit program would not look.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "host/SystemRegistry.h"

bool SystemRegistry::ReadMachineText(const char* subkey, const char* valueName, char* out,
                                     std::size_t outSize) {
  if (outSize == 0) return false;
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, KEY_READ | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS) {
    return false;
  }
  DWORD size = static_cast<DWORD>(outSize);
  LONG result = RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(out), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return false;
  // Stored text need not carry its terminator; when it does not, one must fit.
  if (size < outSize) {
    out[size] = '\0';
    return true;
  }
  return out[outSize - 1] == '\0';
}
