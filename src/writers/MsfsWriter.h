// The Microsoft Flight Simulator 2000/2002 plan: a "[flightplan]" section of
// key=value lines, the header and one line per waypoint.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

void WriteMsfsPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteMsfsPlan holds: every row as its waypoint
// line, identifier, type letter, position and altitude.
PlanPoints ExpectedMsfsPoints(const PlanInput& plan);

// How a plan written by WriteMsfsPlan is read back and checked: positions are
// written in hundredths of a minute and altitudes in hundredths of a foot.
extern const PlanReadBack kMsfsReadBack;

// The header lines alone, "[flightplan]" to "alternate_name=": flight and route
// type when chosen, the departure runway's first word.
void WriteMsfsHeader(PlanStream& out, const PlanInput& plan);
