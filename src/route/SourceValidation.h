// The validation of a FliteStar export before its waypoints are read: the header
// line and the leg lines.
#pragma once

#include "route/BuildProgress.h"
#include "route/RouteTable.h"
#include "route/SourceFile.h"

// Checks the file at `source.path`: its first line must be exactly
// "# FliteStar/FliteMap generated flight plan.\n", and it must hold one line
// matching "FPL %d" (counted in `legCount`, the last number in `planNumber`).
// True when the file may be read, also after the warning "More than 1 Leg in
// FliteStar Flightplan file %s". False after an error message: no file name, the
// file cannot be opened or read, not a FliteStar plan, no leg. Once the file was
// opened, tells `progress` (when given) that the work has ended, whatever the result.
bool ValidateSourcePlan(const SourcePlan& source, RouteTable& route, BuildProgress* progress);
