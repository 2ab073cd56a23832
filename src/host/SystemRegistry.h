// The registry port over the system's registry: the Windows registry on Windows,
// an empty one elsewhere.
#pragma once

#include "host/RegistryPort.h"

class SystemRegistry : public RegistryPort {
 public:
  bool ReadMachineText(const char* subkey, const char* valueName, char* out,
                       std::size_t outSize) override;
};
