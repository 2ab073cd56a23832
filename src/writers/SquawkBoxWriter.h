// The SquawkBox plan: a route line, then one line per waypoint between the airports.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

void WriteSquawkBoxPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteSquawkBoxPlan holds: every row between the
// airports, its type letter, identifier, position and altitude. The airports are
// named in the first line without a position and are not among them.
PlanPoints ExpectedSquawkBoxPoints(const PlanInput& plan);

// How a plan written by WriteSquawkBoxPlan is read back and checked: positions
// have six decimals, altitudes are whole feet.
extern const PlanReadBack kSquawkBoxReadBack;
