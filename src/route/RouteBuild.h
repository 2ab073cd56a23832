// The route build: from a FliteStar "Generic Text format" export to the route
// table, the airport lookups, and the main window's route fields.
#pragma once

#include "App.h"

// Clears the table and the window's route fields, validates the source file
// (ValidateSourcePlan), reads its waypoint lines into the table (at most 32),
// checks that the route runs from an airport to an airport, looks both airports
// up (LookupAirport), shows idents, names, route text and cruising altitude,
// sets `routeUnsaved`, enables Details and Print, and renames the destination
// (MakeOutputPath, unless the naming rule is 3). True when the table holds a
// complete route; false after an error message, with the window's Details and
// Print, the airport fields and the destination as they were.
bool BuildRoute(App& app);
