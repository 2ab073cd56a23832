// The waypoint lines of a FliteStar "Generic Text format" export:
// "FWP %c %c %s %c %d %lf %c %d %lf %lf", the altitude being optional.
#pragma once

#include "route/RouteTable.h"

// Splits `line` (zero-terminated) like sscanf with the format above and returns
// what sscanf would: the number of fields assigned, or -1 when the line ends
// before the first one. Fills the fields assigned into `row`, which the caller
// has cleared. An identifier longer than 5 characters is cut to its first 5; the
// rest of its word is passed over, so the fields after it stay in place.
int ParseWaypointLine(const char* line, WaypointRow& row);

// The row of a waypoint line: the 10-field form, else the 9-field form (altitude
// 0.0), with its decimal coordinates, its type letter normalised (upper case;
// 'S' and '?' are intersections, 'I') and, unless an airport, its ident as name.
// False, and `row` cleared, when the line is not a waypoint line.
bool ReadWaypointRow(const char* line, WaypointRow& row);
