// The Radar Contact plan: a comment header, the airport identifiers and a
// "GET_FLIGHT_PLAN:" section of variables, one group per checkpoint, closed by
// "RETURN".
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

void WriteRadarContactPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteRadarContactPlan holds: the departure, every
// checkpoint (which has no identifier) and the arrival, each with its position
// and its altitude (an airport's elevation).
PlanPoints ExpectedRadarContactPoints(const PlanInput& plan);

// How a plan written by WriteRadarContactPlan is read back and checked: positions
// have six decimals; checkpoint altitudes are filed in tens of feet, cut toward
// zero, and elevations in whole feet.
extern const PlanReadBack kRadarContactReadBack;

// The header lines alone, from the first dash line to "arrival_longitude": the
// date line (the plan's long date, empty when there is none), the identifiers,
// the title with the plan's file name, and the route's values, the route's
// length always given as 0 nm. Needs at least two rows.
void WriteRadarContactHeader(PlanStream& out, const PlanInput& plan);
