// The Nav Flight Planner 3.x plan: a binary file of Planner waypoint records.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

void WriteNavPlan(const PlanInput& plan, PlanStream& out);

// How a plan written by WriteNavPlan is read back and checked.
extern const PlanReadBack kNavReadBack;
