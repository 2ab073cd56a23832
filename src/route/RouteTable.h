// The one in-memory model of the flight plan being converted: up to 32 waypoint
// rows in flight order (row 0 the departure airport, the last row in use the
// destination airport) and the values derived from them.
#pragma once

#include <cstdint>

constexpr int kMaxWaypoints = 32;
constexpr int kIdentLength = 5;
constexpr int kNameLength = 50;
constexpr int kRouteTextLength = 255;
constexpr int kRunwayTextLength = 30;
constexpr int kPlannerValueCount = 14;
// The sixth planner value doubles as the waypoint's heading.
constexpr int kHeadingPlannerValue = 5;

// One item of the plan, as read from an "FWP" line of the source export.
struct WaypointRow {
  char firstCode;                              // first one-letter field, kept as read
  char type;                                   // 'A' airport, 'V' VOR, 'N' NDB, 'I' intersection
  double latitude;                             // signed decimal degrees, south negative
  double longitude;                            // signed decimal degrees, west negative
  double altitude;                             // feet; the elevation for airports found
  double frequency;                            // never filled: always 0.0
  char ident[kIdentLength + 1];
  char name[kNameLength + 1];
  double plannerValues[kPlannerValueCount];    // never filled: always 0.0
  char latHemisphere;                          // as read: 'N' or 'S'
  int32_t latDegrees;
  double latMinutes;
  char lonHemisphere;                          // as read: 'E' or 'W'
  int32_t lonDegrees;
  double lonMinutes;
};

inline double Heading(const WaypointRow& row) { return row.plannerValues[kHeadingPlannerValue]; }

// The route read from a source plan. The runways flown are the user's choice,
// not part of what was read: they travel beside the table (see PlanInput).
struct RouteTable {
  WaypointRow rows[kMaxWaypoints];
  uint32_t waypointCount;                      // rows in use, 0..32
  int32_t legCount;                            // "FPL" lines counted by the validation
  int32_t planNumber;                          // number of the last "FPL" line
  double cruiseAltitude;                       // highest altitude of the non-airport rows
  char routeText[kRouteTextLength + 1];        // idents joined by "-"
};

inline const WaypointRow& DepartureRow(const RouteTable& route) { return route.rows[0]; }
// The destination airport; only meaningful when at least one row is in use.
inline const WaypointRow& DestinationRow(const RouteTable& route) {
  return route.rows[route.waypointCount - 1];
}
