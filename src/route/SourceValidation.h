// The validation of a FliteStar export before its waypoints are read: the header
// line and the leg lines.
#pragma once

#include "route/BuildProgress.h"
#include "route/RouteTable.h"
#include "route/SourceFile.h"

enum class SourceCheck {
  FliteStar,  // a FliteStar export whose waypoints may be read
  OtherKind,  // no FliteStar header: perhaps a plan of another kind; nothing said yet
  Refused,    // the user has been told why not
};

// Checks the file at `source.path`: a FliteStar export's first line is exactly
// "# FliteStar/FliteMap generated flight plan.\n", and it holds one line matching
// "FPL %d" (counted in `legCount`, the last number in `planNumber`). FliteStar
// when the file may be read, also after the warning "More than 1 Leg in FliteStar
// Flightplan file %s"; OtherKind, silently, when the first line is not the
// header; Refused after an error message: no file name, the file cannot be opened
// or read, no leg. Once the file was opened, tells `progress` (when given) that
// the work has ended, whatever the result.
SourceCheck ValidateSourcePlan(const SourcePlan& source, RouteTable& route, BuildProgress* progress);
