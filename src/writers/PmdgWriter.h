// The PMDG route (.rte): every leg direct, each point with its position.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

// Writes the documented layout of PMDG's FMC route: a remark line, the number of
// points, then per point its name, its type (1 airport, 5 any other point), the
// leg to it (always DIRECT) and its position with its altitude in feet; an
// airport adds no runway and the altitude restriction of its elevation. A point
// whose identifier is no database name (a plain position, or one with characters
// the database has not) is named by its coordinates ("4741N00826E"), since the
// FMC finds points by name.
void WritePmdgPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WritePmdgPlan holds: every row, named as written,
// an airport where written as one, with its position and altitude.
PlanPoints ExpectedPmdgPoints(const PlanInput& plan);

// How a plan written by WritePmdgPlan is read back and checked: positions have six
// decimals, altitudes are whole feet.
extern const PlanReadBack kPmdgReadBack;
