// The Garmin FlightPlan v1 plan whose en-route points are all user waypoints: it
// loads without the country codes a FliteStar export does not carry, which a
// unit needs to tell apart an identifier used in several countries.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

// Writes the Garmin plan (at least two rows) with its airports as AIRPORT and
// every other point a USER WAYPOINT with its position; names as MakeGarminRoute
// gives them.
void WriteGarminUserPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteGarminUserPlan holds (GarminPlanPoints).
PlanPoints ExpectedGarminUserPoints(const PlanInput& plan);

// How a plan written by WriteGarminUserPlan is read back and checked.
extern const PlanReadBack kGarminUserReadBack;
