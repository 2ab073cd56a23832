// A registry port for tests: the values under HKEY_LOCAL_MACHINE are a map from
// key and value name to text; every read is recorded.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/RegistryPort.h"

class FakeRegistry : public RegistryPort {
 public:
  bool ReadMachineText(const char* subkey, const char* valueName, char* out, std::size_t outSize) override;

  void Set(const std::string& subkey, const std::string& valueName, const std::string& text) {
    values[{subkey, valueName}] = text;
  }

  std::map<std::pair<std::string, std::string>, std::string> values;
  // The keys read, in order.
  std::vector<std::string> keysRead;
};
