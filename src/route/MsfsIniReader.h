// Reader of The INI plans of Microsoft Flight Simulator 2000/2002.
#pragma once

#include "route/PlanReader.h"

// Reads the [flightplan] section's "waypoint.N" lines in the order of N, from 0
// without a gap, each "ident, type letter, N47* 27.48', E008* 32.88', +001416.00"
// (or FS2004's longer line), ending at the destination_id's airport; a
// departure_position that names a runway is the departure runway. A source.
// Never claims an XML .pln: its first line must be "[flightplan]".
extern const PlanReader kMsfsIniReader;
