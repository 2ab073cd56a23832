// The Garmin FlightPlan v1 plan (".fpl"), read by the GNS and GTN trainers and
// their simulator add-ons and by Garmin Pilot: a waypoint table and one route.
#pragma once

#include "writers/GarminWaypoints.h"
#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

// Writes the whole document of `garmin` (at least one route point): the table,
// then the route named "FROM TO TO" after its first and last points.
void WriteGarminDocument(const GarminRoute& garmin, PlanStream& out);

// Writes the plan (at least two rows) whose airports, VORs, NDBs and
// intersections the unit looks up by identifier and type; see MakeGarminRoute
// for how the waypoints become table entries.
void WriteGarminPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteGarminPlan holds (GarminPlanPoints).
PlanPoints ExpectedGarminPoints(const PlanInput& plan);

// How a plan written by WriteGarminPlan is read back and checked.
extern const PlanReadBack kGarminReadBack;
