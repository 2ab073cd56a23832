// The Super Flight Planner plan: a binary file of Planner waypoint records.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

void WriteSfpPlan(const PlanInput& plan, PlanStream& out);
