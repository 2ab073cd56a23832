// The GPX 1.1 route (".gpx"), read by moving maps, EFB apps and GPS tools.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

// Writes one route named after the plan ("LSZH to LSGG"), described by its
// airports' names (the identifier of one the data did not name), flight type,
// route type and cruising altitude, with one point per row: position (a
// longitude that shows as 180 east written as 180 west), elevation in metres,
// identifier, name (none for an airport the data did not name) and kind.
void WriteGpxPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteGpxPlan holds: every row under its
// identifier in UTF-8, of its kind (a plain position a user point), at its
// position and altitude.
PlanPoints ExpectedGpxPoints(const PlanInput& plan);

// How a plan written by WriteGpxPlan is read back and checked.
extern const PlanReadBack kGpxReadBack;
