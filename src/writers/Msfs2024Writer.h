// The Microsoft Flight Simulator 2024 plan: the EFB's XML flight plan, AppVersion 12.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

// Writes the EFB's document (at least two rows) in the order of the SDK's description: both airports by ident, the
// title, flight type and cruising altitude, AppVersion 12, the departure runway, the en-route rows, the arrival
// runway. The simulator finds a named facility by ICAO region and ident, and the source carries no region, so every
// en-route row is a User point with its position, under its id as AceWaypoints makes it. A runway the simulator
// cannot name (none chosen, a helipad, a water lane) is left out.
void WriteMsfs2024Plan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteMsfs2024Plan holds: the airports at both ends under their ids, named without a
// position or an altitude, and between them every row as a User point at its position and altitude.
PlanPoints ExpectedMsfs2024Points(const PlanInput& plan);

// How a plan written by WriteMsfs2024Plan is read back and checked.
extern const PlanReadBack kMsfs2024ReadBack;
