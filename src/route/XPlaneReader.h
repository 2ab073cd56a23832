// Reader of X-Plane's .fms plans, version 3 and 1100.
#pragma once

#include "route/PlanReader.h"

// Reads version 1100 (the CYCLE line, the departure and destination lines, NUMENR
// and as many waypoint lines "type ident via altitude lat lon") and version 3
// (two numbers, then "type ident altitude lat lon" lines up to the type-0 lines
// that end it). Type codes 1, 2, 3, 11 and 28 give the kind; DEPRWY and DESRWY
// the runways. A source: every point has its position.
extern const PlanReader kXPlaneReader;
