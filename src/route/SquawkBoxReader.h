// Reader of SquawkBox plans: no airport positions, so never a source.
#pragma once

#include "route/PlanReader.h"

// Reads the waypoint lines after the route line: the points between the
// airports, with type letter, position and altitude.
extern const PlanReader kSquawkBoxReader;
