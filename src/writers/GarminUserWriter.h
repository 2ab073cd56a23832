// The Garmin FlightPlan v1 plan whose en-route points are all user waypoints.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

void WriteGarminUserPlan(const PlanInput& plan, PlanStream& out);
