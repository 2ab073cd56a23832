// The Garmin GFP plan of the GTN/GNS add-ons: one FPN line, user points as coordinates.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

// Writes the route as one line, "FPN/RI:F:LSZH:F:N47414E008262:F:LSGG", every leg
// direct. An airport whose identifier is a database name is written by its
// identifier; every other row is written as its position in degrees, minutes and
// tenths of a minute (a tenth is about 185 m). En-route navaids are positions
// too: the unit refuses or locks a plan when a name matches nothing or several
// points of its database, a GFP line cannot say in which country a point lies,
// and the source does not know it either.
void WriteGfpPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteGfpPlan holds with a position: every row not
// written by its identifier, a user point named by its coordinates. The rows
// written by identifier have no position in the file and are not among them.
PlanPoints ExpectedGfpPoints(const PlanInput& plan);

// How a plan written by WriteGfpPlan is read back and checked: positions are
// rounded to a tenth of a minute, and the file keeps no altitudes.
extern const PlanReadBack kGfpReadBack;
