// The Garmin plan's waypoint table and route, within the FlightPlan v1 schema's
// rules: identifiers of 1 to 12 upper-case letters and digits, comments of at
// most 25 of them and blanks, every (identifier, type) entry once.
#pragma once

#include <string>
#include <vector>

#include "route/RouteTable.h"

struct GarminWaypoint {
  std::string identifier;
  const char* type;       // AIRPORT, VOR, NDB, INT or USER WAYPOINT
  double latitude;
  double longitude;
  std::string comment;
  bool hasElevation;      // airports: their elevation from the data
  double elevationMetres;
};

struct GarminRoute {
  std::vector<GarminWaypoint> table;  // each waypoint once, in order of first use
  std::vector<std::size_t> points;    // per row of the route, its entry in the table
};

// The identifier of `ident` by the schema's rule: plain ASCII, upper case,
// letters and digits only, at most 12; `fallback` when nothing is left.
std::string GarminIdentifier(const char* ident, const std::string& fallback);

// At most `length` upper-case letters, digits and single blanks of `text`: every
// other character becomes a blank, and blanks at the ends go.
std::string GarminText(const std::string& text, std::size_t length);

// The table and route of `route`. A row that comes again (same identifier, type
// and position) uses its first entry; one whose identifier and type already name
// a waypoint elsewhere becomes a user waypoint of its own, with a number after
// its identifier, since readers would give both rows the later position.
GarminRoute MakeGarminRoute(const RouteTable& route);
