// The ACS-GPS plan: five lines for every row after the departure airport.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

void WriteAcsGpsPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteAcsGpsPlan holds: every row after the
// departure airport, its identifier, name and position.
PlanPoints ExpectedAcsGpsPoints(const PlanInput& plan);

// How a plan written by WriteAcsGpsPlan is read back and checked: positions are
// written in hundredths of a minute, and the file keeps no altitudes.
extern const PlanReadBack kAcsGpsReadBack;
