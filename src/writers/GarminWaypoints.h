// The Garmin plan's waypoint table and route, within the FlightPlan v1 schema's
// rules: identifiers of 1 to 12 upper-case letters and digits, comments of at
// most 25 of them and blanks, every (identifier, type) entry once.
#pragma once

#include <string>
#include <vector>

#include "route/PlanPoints.h"
#include "route/RouteTable.h"

struct GarminWaypoint {
  std::string identifier;
  const char* type;       // AIRPORT, VOR, NDB, INT or USER WAYPOINT
  double latitude;
  double longitude;       // -180 <= lon < 180 as "%.6f" writes it
  std::string comment;    // "" for none
  bool hasElevation;      // airports: their elevation from the data
  double elevationMetres;
};

struct GarminRoute {
  std::vector<GarminWaypoint> table;  // each waypoint once, in order of first use
  std::vector<std::size_t> points;    // per row of the route, its entry in the table
};

// Which rows the unit is to find in its database by identifier and type; the
// others are user waypoints with their position.
enum class GarminLookup {
  Named,         // airports, VORs, NDBs and intersections
  AirportsOnly,  // airports; every other point is a user waypoint
};

// The identifier of `ident` by the schema's rule: plain ASCII, upper case,
// letters and digits only, at most 12; `fallback` when nothing is left.
std::string GarminIdentifier(const char* ident, const std::string& fallback);

// At most `length` upper-case letters, digits and single blanks of `text`: every
// other character becomes a blank, and blanks at the ends go.
std::string GarminText(const std::string& text, std::size_t length);

// The table and route of `route`. A row that comes again (same identifier, kind
// and position) uses its first entry. A row keeps its identifier and its type by
// `lookup` when the schema takes the identifier as it stands (upper case aside)
// and no earlier row of that identifier and type lies elsewhere, since readers
// would give both rows the later position. Any other row is a user waypoint with
// its position, never a database point of another name: its identifier is the
// cleaned one (or "WPTn" for row n when nothing is left), numbered from 2 when
// that name is an identifier of the route or already given.
GarminRoute MakeGarminRoute(const RouteTable& route, GarminLookup lookup);

// How closely a Garmin plan keeps what it was written for: positions to the
// millionth of a degree, elevations to the centimetre (in feet, a little more).
constexpr double kGarminDegrees = 1e-6;
constexpr double kGarminFeet = 0.02;

// The points a plan of `garmin`, made from `route` by MakeGarminRoute, holds: per
// row its entry's identifier and type, placed where the entry's first row is,
// with that row's altitude where the entry keeps an elevation (airports).
PlanPoints GarminPlanPoints(const RouteTable& route, const GarminRoute& garmin);
