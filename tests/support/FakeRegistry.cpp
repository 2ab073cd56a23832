#include "support/FakeRegistry.h"

#include <cstring>

bool FakeRegistry::ReadMachineText(const char* subkey, const char* valueName, char* out,
                                   std::size_t outSize) {
  keysRead.push_back(subkey);
  auto value = values.find({subkey, valueName});
  if (value == values.end() || value->second.size() + 1 > outSize) return false;
  std::memcpy(out, value->second.c_str(), value->second.size() + 1);
  return true;
}
