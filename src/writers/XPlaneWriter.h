// The X-Plane 11 and 12 plan: a ".fms" text file of version 1100.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

// Writes the whole file (at least two rows): the header with the AIRAC cycle of
// the conversion's day (0 when it is not known), the departure and destination
// airports with their runways where one was chosen, and one line per waypoint:
// type code (28, a user waypoint, for an en-route point whose identifier had to
// change), identifier, "ADEP", "ADES" or "DRCT", altitude in feet, latitude and
// longitude in decimal degrees, none of them a negative zero.
void WriteXPlanePlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteXPlanePlan holds: every row, with the
// identifier and type code written for it, its position and its altitude.
PlanPoints ExpectedXPlanePoints(const PlanInput& plan);

// How a plan written by WriteXPlanePlan is read back and checked: positions and
// altitudes are written with six decimals.
extern const PlanReadBack kXPlaneReadBack;
