// Points of the plans whose readers find a waypoint by its identifier (GFP, PMDG,
// FLP, FlightGear): which rows keep their name, the coordinate texts that stand
// in for the rows that cannot, and the labels of plans that only show a point.
#pragma once

#include <string>

#include "route/RouteTable.h"
#include "writers/WaypointKind.h"

// True when `ident` can be looked up as it stands: 1 to 5 upper-case ASCII
// letters and digits. Any other identifier would have to be changed to fit, and
// a changed identifier names another point of the reader's database, or none.
bool IsDatabaseName(const char* ident);

// What a reader that looks points up by name is told the row is: its own kind
// when its identifier is a database name; a user point at its position
// (WaypointKind::Position) for a plain position and for any other identifier.
WaypointKind LookupKind(const WaypointRow& row);

// One axis of a position as such texts write it: the hemisphere letter and the
// magnitude in whole units (1/60 degree for minutes, 1/600 for tenths of minutes),
// rounded. Zero is north or east; a longitude that rounds to 180 east is 180 west.
struct CoordinatePart {
  char hemisphere;
  long long units;
};
CoordinatePart LatitudePart(double latitude, long long unitsPerDegree);
CoordinatePart LongitudePart(double longitude, long long unitsPerDegree);

// The ICAO flight-plan form of a position in whole degrees and minutes,
// "4741N00826E": the name of a user point in plans that need a name for it.
std::string IcaoCoordinateName(double latitude, double longitude);

// The name a reader that looks points up by name is given for the row: its
// identifier, or for a user point (see LookupKind) its IcaoCoordinateName, which
// no point of a database is called.
std::string LookupName(const WaypointRow& row);

// A label for a point in plans that only show it: the identifier in UTF-8, or
// "WPT<n>" (`number` counts the route's rows from 1) when it has no text.
std::string PointLabel(const WaypointRow& row, int number);
