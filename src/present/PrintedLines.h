// The text of the printed route table: its heading line and one line per
// waypoint, before the printer expands their tabs.
#pragma once

#include <string>

#include "route/RouteTable.h"

// The heading: "WP-Id.", "Facility Name", "T", "Latitude", "Longitude" and
// "Altitude" in padded columns separated by tabs.
std::string FormatHeadingLine();

// One waypoint's line: ident, name, type letter, latitude and longitude as
// hemisphere, degrees, the degree sign and decimal minutes, and the altitude
// with a "+" and two decimals. The text is as long as the values need, so an
// unusually long value never overruns anything.
std::string FormatRouteRow(const WaypointRow& row);
