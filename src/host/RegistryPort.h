// The registry port: read-only access to text values under HKEY_LOCAL_MACHINE,
// where Microsoft Flight Simulator records its installation folder. Systems
// without a registry answer that nothing is there.
#pragma once

#include <cstddef>

class RegistryPort {
 public:
  virtual ~RegistryPort() = default;
  // Reads the value `valueName` of the key HKEY_LOCAL_MACHINE\`subkey` as text
  // (whatever its registry type) into `out`, zero-terminated. False, with `out`
  // unspecified, when the key does not open, the value is missing, or the value
  // and its terminator do not fit `outSize` bytes.
  virtual bool ReadMachineText(const char* subkey, const char* valueName, char* out,
                               std::size_t outSize) = 0;
};
