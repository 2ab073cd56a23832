// The Garmin FlightPlan v1 plan (".fpl"), read by the GNS and GTN trainers and
// their simulator add-ons and by Garmin Pilot: a waypoint table and one route.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

// Writes the whole document (at least two rows); see MakeGarminRoute for how the
// waypoints become table entries.
void WriteGarminPlan(const PlanInput& plan, PlanStream& out);
