// The Super Flight Planner plan: a binary file of Planner waypoint records.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

void WriteSfpPlan(const PlanInput& plan, PlanStream& out);

// How a plan written by WriteSfpPlan is read back and checked.
extern const PlanReadBack kSfpReadBack;
