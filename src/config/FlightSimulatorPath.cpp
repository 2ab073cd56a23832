// Finding the Flight Simulator installation through the registry port.
#include "config/FlightSimulatorPath.h"

#include <cstring>

#include "host/Paths.h"

namespace {

constexpr const char* kFlightSimulatorKeys[] = {
    "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0",
    "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0",
};
constexpr const char* kInstallationValue = "path";
constexpr int kRegistryValueSize = 1024;

}  // namespace

bool FindFlightSimulatorPath(RegistryPort& registry, char* out) {
  for (const char* subkey : kFlightSimulatorKeys) {
    char value[kRegistryValueSize];
    if (!registry.ReadMachineText(subkey, kInstallationValue, value, sizeof value)) continue;
    std::size_t length = std::strlen(value);
    if (length >= static_cast<std::size_t>(kPathSize)) continue;
    std::memcpy(out, value, length + 1);
    return true;
  }
  return false;
}
