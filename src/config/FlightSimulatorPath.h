// The installation folder of Microsoft Flight Simulator 2000 or 2002, as its setup
// recorded it in the registry; the default Save all folder of its plans derives
// from it.
#pragma once

#include "host/RegistryPort.h"

// Looks for the value "path" under HKEY_LOCAL_MACHINE, first in the key of
// Flight Simulator 7.0 (2000), then 8.0 (2002). True with the folder in `out` (a
// 260-byte text) from the first key that holds it; false with `out` untouched when
// neither does. A value longer than 259 characters is skipped like a missing one:
// cut short it would name another folder.
bool FindFlightSimulatorPath(RegistryPort& registry, char* out);
