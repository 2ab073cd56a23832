// The X-Plane 11 and 12 plan: a ".fms" text file of version 1100.
#pragma once

#include "route/RouteTable.h"

class PlanStream;

// Writes the whole file for `route` (at least two rows): the header with the
// AIRAC cycle `airacCycle` (0 when no date was known), the departure and
// destination airports with their runways where one was chosen, and one line per
// waypoint: type code, identifier, "ADEP", "ADES" or "DRCT", altitude in feet,
// latitude and longitude in decimal degrees.
void WriteXPlaneDocument(PlanStream& out, const RouteTable& route, int airacCycle);
