// The SquawkBox plan: a route line, then one line per waypoint between the airports.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

void WriteSquawkBoxPlan(const PlanInput& plan, PlanStream& out);
