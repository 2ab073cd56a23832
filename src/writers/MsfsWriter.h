// The Microsoft Flight Simulator 2000/2002 plan: a "[flightplan]" section of
// key=value lines, the header and one line per waypoint.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

void WriteMsfsPlan(const PlanInput& plan, PlanStream& out);

// How a plan written by WriteMsfsPlan is read back and checked.
extern const PlanReadBack kMsfsReadBack;

// The header lines alone, "[flightplan]" to "alternate_name=": flight and route
// type when chosen, the departure runway's first word.
void WriteMsfsHeader(PlanStream& out, const PlanInput& plan);
