// The route details list apart from the list control: its columns, the texts and
// picture of each row, and the alternating row colours.
#pragma once

#include <cstdint>

struct WaypointRow;

enum class ColumnAlignment { Left, Centre, Right };

struct RouteDetailsColumn {
  const char* header;
  int widthUnits;  // in column units, see RouteDetailsColumnUnit
  ColumnAlignment alignment;
};

constexpr int kRouteDetailsColumnCount = 6;

// Index, WP, Type, Latitude, Longitude, Altitude, left to right.
extern const RouteDetailsColumn kRouteDetailsColumns[kRouteDetailsColumnCount];

// The width in pixels of one column unit, an upper-case character of the font
// whose average character width is `averageCharWidth`: 3/2 of it for a
// variable-pitch font, the width itself for a fixed-pitch one.
int RouteDetailsColumnUnit(int averageCharWidth, bool variablePitch);

// Room for any cell; absurd coordinates are cut, never overflowed.
constexpr int kRouteDetailsCellSize = 48;

struct RouteDetailsRow {
  char cells[kRouteDetailsColumnCount][kRouteDetailsCellSize];
  int imageIndex;  // WaypointImageIndex of the row's type, shown in column 0
};

// The texts of row `rowIndex` (0-based) of the list: its number from 1, the ident
// padded to 5, the type text, latitude and longitude as "N47\xB0  27.50'" (0xB0 is the
// degree sign of the ANSI code page) and the altitude as "%6.0f" feet.
void FormatRouteDetailsRow(const WaypointRow& waypoint, int rowIndex, RouteDetailsRow& row);

struct RgbColour {
  uint8_t red;
  uint8_t green;
  uint8_t blue;
};

struct RowColours {
  RgbColour text;
  RgbColour background;
};

// Near-black text on white for even items (0, 2, ...), on lavender for odd ones.
RowColours RouteDetailsRowColours(int itemIndex);
