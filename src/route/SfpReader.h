// Reader of Super Flight Planner's binary plans.
#pragma once

#include "route/PlanReader.h"

// Reads the records after the 8-byte header (marker 135040, the file's length):
// code 4 an airport, 1 an NDB, 3 a VOR, any other no kind; position, altitude,
// ident and name. A source.
extern const PlanReader kSfpReader;
