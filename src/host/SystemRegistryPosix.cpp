// No registry outside Windows: nothing is ever registered.
#include "host/SystemRegistry.h"

bool SystemRegistry::ReadMachineText(const char*, const char*, char*, std::size_t) { return false; }
