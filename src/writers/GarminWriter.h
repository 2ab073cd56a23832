// The Garmin FlightPlan v1 plan (".fpl"), read by the GNS and GTN trainers and
// their simulator add-ons and by Garmin Pilot: a waypoint table and one route.
#pragma once

#include "route/RouteTable.h"

class PlanStream;

// Writes the whole document for `route` (at least two rows); see MakeGarminRoute
// for how the waypoints become table entries.
void WriteGarminDocument(PlanStream& out, const RouteTable& route);
