// The Garmin GFP plan of the GTN/GNS add-ons: one FPN line, user points as coordinates.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

void WriteGfpPlan(const PlanInput& plan, PlanStream& out);
