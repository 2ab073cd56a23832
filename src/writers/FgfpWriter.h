// The FlightGear route manager plan (.fgfp), a PropertyList XML file.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

// Writes a version 2 route manager plan: the departure and destination airports
// (when the route's ends are airports with database names), then one wp per row
// with its type, identifier, position and altitude ("at", in feet). A row whose
// identifier is a database name is a "navaid" (FlightGear finds airports, navaids
// and fixes by identifier near the given position); any other row is a "basic"
// point at its position, labelled with its identifier as the source has it.
void WriteFgfpPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteFgfpPlan holds: every row under the ident
// it is written with; the ends airports where the plan names them so, other
// navaids of no kind the file says, basic points user points; at the row's
// position and altitude.
PlanPoints ExpectedFgfpPoints(const PlanInput& plan);

// How a plan written by WriteFgfpPlan is read back and checked.
extern const PlanReadBack kFgfpReadBack;
