// The SquawkBox plan: a route line, then one line per waypoint between the airports.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

void WriteSquawkBoxPlan(const PlanInput& plan, PlanStream& out);

// How a plan written by WriteSquawkBoxPlan is read back and checked.
extern const PlanReadBack kSquawkBoxReadBack;
