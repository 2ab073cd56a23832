// The details list's columns, row texts and colours.
#include "present/RouteDetails.h"

#include <cstdio>

#include "present/WaypointType.h"
#include "route/RouteTable.h"

const RouteDetailsColumn kRouteDetailsColumns[kRouteDetailsColumnCount] = {
    {"Index", 5, ColumnAlignment::Left},    {"WP    ", 6, ColumnAlignment::Left},
    {"Type", 4, ColumnAlignment::Centre},   {"Latitude", 8, ColumnAlignment::Left},
    {"Longitude", 9, ColumnAlignment::Left}, {"Altitude", 8, ColumnAlignment::Right},
};

namespace {

constexpr RgbColour kRowText = {8, 8, 8};
constexpr RgbColour kEvenRow = {255, 255, 255};
constexpr RgbColour kOddRow = {230, 230, 250};

enum Column { kIndexColumn, kIdentColumn, kTypeColumn, kLatitudeColumn, kLongitudeColumn, kAltitudeColumn };

// The degree sign in the ANSI code page, as the printout shows it; only the plan
// files keep "*" in its place.
void FormatCoordinate(char* cell, char hemisphere, int32_t degrees, double minutes) {
  std::snprintf(cell, kRouteDetailsCellSize, "%c%02d\xB0  %05.2f'", hemisphere, degrees, minutes);
}

}  // namespace

int RouteDetailsColumnUnit(int averageCharWidth, bool variablePitch) {
  return (variablePitch ? 3 : 2) * averageCharWidth / 2;
}

void FormatRouteDetailsRow(const WaypointRow& waypoint, int rowIndex, RouteDetailsRow& row) {
  std::snprintf(row.cells[kIndexColumn], kRouteDetailsCellSize, "%-d", rowIndex + 1);
  std::snprintf(row.cells[kIdentColumn], kRouteDetailsCellSize, "%-5.*s", kIdentLength, waypoint.ident);
  std::snprintf(row.cells[kTypeColumn], kRouteDetailsCellSize, "%s", WaypointTypeText(waypoint.type));
  FormatCoordinate(row.cells[kLatitudeColumn], waypoint.latHemisphere, waypoint.latDegrees, waypoint.latMinutes);
  FormatCoordinate(row.cells[kLongitudeColumn], waypoint.lonHemisphere, waypoint.lonDegrees,
                   waypoint.lonMinutes);
  std::snprintf(row.cells[kAltitudeColumn], kRouteDetailsCellSize, "%6.0f", waypoint.altitude);
  row.imageIndex = WaypointImageIndex(waypoint.type);
}

RowColours RouteDetailsRowColours(int itemIndex) {
  return {kRowText, itemIndex % 2 == 0 ? kEvenRow : kOddRow};
}
