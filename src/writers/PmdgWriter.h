// The PMDG route (.rte): every leg direct, each point with its position.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

void WritePmdgPlan(const PlanInput& plan, PlanStream& out);
