// Reader of Nav Flight Planner 3.x's binary plans.
#pragma once

#include "route/PlanReader.h"

// Reads the entries after the 8-byte header (marker 10020, the entry count), each
// a record and a 256-byte text block: code 4 an airport, 13 an intersection, 1
// an NDB, 3 a VOR, any other no kind; position, altitude, ident and name. A source.
extern const PlanReader kNavReader;
