// The Radar Contact plan: a comment header, the airport identifiers and a
// "GET_FLIGHT_PLAN:" section of variables, one group per checkpoint, closed by
// "RETURN".
#pragma once

#include "App.h"
#include "writers/PlanStream.h"

// Writes the header lines, from the first dash line to "arrival_longitude": the
// date line (today's long date from the date port, empty when it has none), the
// identifiers, the title with `name`, and the route's values. Sets
// `routeDistance` to 0 before printing it. Needs at least two rows.
void WriteRadarContactHeader(PlanStream& out, App& app, const char* name);
