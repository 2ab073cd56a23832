// The KML 2.2 document: the route as a line and a placemark per point.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

// Writes a KML 2.2 document named after the plan ("LSZH to LSGG"): the route as
// one LineString through every row, then a Placemark per row named by its
// identifier and described by its place name (none for an airport the data did
// not have), its kind and its altitude in feet. Positions are lon,lat,alt with
// the altitude in metres above sea level (altitudeMode absolute). Texts are UTF-8.
void WriteKmlPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteKmlPlan holds: every row under its label
// (PointLabel), of no kind the file says, at its position and altitude.
PlanPoints ExpectedKmlPoints(const PlanInput& plan);

// How a plan written by WriteKmlPlan is read back and checked.
extern const PlanReadBack kKmlReadBack;
