// The FLP plan of the Aerosoft Airbus and CRJ and X-Plane FMS add-ons.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

// Writes the [CoRte] section of the FLP layout: departure and arrival airports by
// identifier, no runway, procedure or alternate (the pilot picks them in the FMS),
// then one direct leg per en-route point, numbered from 1, each with its name and
// its position ("DctWpt1=TRA", "DctWpt1Coordinates=47.689167,8.437000"). A point
// whose identifier is no database name is named by its coordinates
// ("4741N00826E"); an end of the route that is no such airport is a leg too.
void WriteFlpPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteFlpPlan holds with a position: its legs, each
// named as written, at its position. The airports named in ArptDep and ArptArr
// have no position in the file and are not among them.
PlanPoints ExpectedFlpPoints(const PlanInput& plan);

// How a plan written by WriteFlpPlan is read back and checked: positions have six
// decimals, and the file keeps no altitudes.
extern const PlanReadBack kFlpReadBack;
