// The route details list's texts, pictures, columns and colours.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "present/RouteDetails.h"
#include "present/WaypointType.h"
#include "support/TestRoutes.h"

namespace {

WaypointRow MakeRow(char type, const char* ident, char latHemisphere, int latDegrees, double latMinutes,
                    char lonHemisphere, int lonDegrees, double lonMinutes, double altitude) {
  RouteTable route{};
  AddTestRow(route, type, ident, "", latHemisphere, latDegrees, latMinutes, lonHemisphere, lonDegrees,
             lonMinutes, altitude);
  return route.rows[0];
}

std::string Cells(const RouteDetailsRow& row) {
  std::string joined;
  for (const auto& cell : row.cells) joined += std::string("|") + cell;
  return joined + "|";
}

TEST(WaypointTypeTest, EachLetterHasItsPictureAndText) {
  struct Case {
    char type;
    int image;
    const char* text;
  };
  const Case cases[] = {{'A', 4, "Apt"}, {'I', 5, "INT"}, {'N', 3, "NDB"}, {'V', 2, "VOR"},
                        {'X', 0, "UNK"}, {'a', 0, "UNK"}, {'\0', 0, "UNK"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("type '") + c.type + "'");
    EXPECT_EQ(c.image, WaypointImageIndex(c.type));
    EXPECT_STREQ(c.text, WaypointTypeText(c.type));
  }
}

TEST(RouteDetailsTest, RowsShowNumberIdentTypeCoordinatesAndAltitude) {
  struct Case {
    const char* name;
    WaypointRow waypoint;
    int rowIndex;
    const char* cells;
    int image;
  };
  const Case cases[] = {
      {"airport north-east", MakeRow('A', "LSZH", 'N', 47, 27.5, 'E', 8, 33.12, 1416.4), 0,
       "|1|LSZH |Apt|N47\xB0  27.50'|E08\xB0  33.12'|  1416|", 4},
      {"three-digit western longitude", MakeRow('V', "OAK", 'N', 37, 43.57, 'W', 122, 5.0, 5500), 1,
       "|2|OAK  |VOR|N37\xB0  43.57'|W122\xB0  05.00'|  5500|", 2},
      {"unknown type", MakeRow('X', "ABCDE", 'S', 3, 0.004, 'W', 0, 59.999, 0), 31,
       "|32|ABCDE|UNK|S03\xB0  00.00'|W00\xB0  60.00'|     0|", 0},
      {"intersection, high and negative altitudes", MakeRow('I', "KUDES", 'N', 47, 0, 'E', 8, 0, 1234567), 9,
       "|10|KUDES|INT|N47\xB0  00.00'|E08\xB0  00.00'|1234567|", 5},
      {"NDB below sea level", MakeRow('N', "ZH", 'N', 47, 1, 'E', 8, 1, -12.6), 4,
       "|5|ZH   |NDB|N47\xB0  01.00'|E08\xB0  01.00'|   -13|", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RouteDetailsRow row;
    FormatRouteDetailsRow(c.waypoint, c.rowIndex, row);
    EXPECT_EQ(c.cells, Cells(row));
    EXPECT_EQ(c.image, row.imageIndex);
  }
}

TEST(RouteDetailsTest, AbsurdValuesAreCutToTheCellWithoutOverflow) {
  WaypointRow waypoint = MakeRow('V', "TRA", 'N', 2147483647, 1e300, 'E', -2147483647 - 1, -1e300, 1e300);
  RouteDetailsRow row;
  std::memset(&row, 'x', sizeof row);
  FormatRouteDetailsRow(waypoint, 2147483646, row);
  for (const auto& cell : row.cells) {
    EXPECT_LT(std::strlen(cell), static_cast<std::size_t>(kRouteDetailsCellSize));
  }
  EXPECT_STREQ("2147483647", row.cells[0]);
  EXPECT_EQ(0, std::strncmp(row.cells[3], "N2147483647\xB0  1000000", 21));
}

TEST(RouteDetailsTest, SixColumnsWithTheirHeadersWidthsAndAlignments) {
  struct Column {
    const char* header;
    int width;
    ColumnAlignment alignment;
  };
  const Column expected[] = {
      {"Index", 5, ColumnAlignment::Left},     {"WP    ", 6, ColumnAlignment::Left},
      {"Type", 4, ColumnAlignment::Centre},    {"Latitude", 8, ColumnAlignment::Left},
      {"Longitude", 9, ColumnAlignment::Left}, {"Altitude", 8, ColumnAlignment::Right},
  };
  for (int i = 0; i < kRouteDetailsColumnCount; ++i) {
    SCOPED_TRACE("column " + std::to_string(i));
    EXPECT_STREQ(expected[i].header, kRouteDetailsColumns[i].header);
    EXPECT_EQ(expected[i].width, kRouteDetailsColumns[i].widthUnits);
    EXPECT_EQ(expected[i].alignment, kRouteDetailsColumns[i].alignment);
  }
}

TEST(RouteDetailsTest, ColumnUnitIsAnUpperCaseCharacterOfTheFont) {
  EXPECT_EQ(10, RouteDetailsColumnUnit(7, true));   // 3 * 7 / 2 in whole pixels
  EXPECT_EQ(12, RouteDetailsColumnUnit(8, true));
  EXPECT_EQ(7, RouteDetailsColumnUnit(7, false));
  EXPECT_EQ(8, RouteDetailsColumnUnit(8, false));
}

TEST(RouteDetailsTest, ThirtyTwoRowsAlternateWhiteAndLavenderStartingWithWhite) {
  RouteTable route{};
  for (int i = 0; i < kMaxWaypoints; ++i) {
    AddTestRow(route, i % 2 ? 'V' : 'A', "WP", "", 'N', 47, 0, 'E', 8, 0, 1000);
  }
  for (int i = 0; i < kMaxWaypoints; ++i) {
    SCOPED_TRACE("item " + std::to_string(i));
    RouteDetailsRow row;
    FormatRouteDetailsRow(route.rows[i], i, row);
    EXPECT_EQ(std::to_string(i + 1), row.cells[0]);
    RowColours colours = RouteDetailsRowColours(i);
    EXPECT_EQ(8, colours.text.red);
    EXPECT_EQ(8, colours.text.green);
    EXPECT_EQ(8, colours.text.blue);
    int expectedBackground[3] = {255, 255, 255};
    if (i % 2 == 1) {
      expectedBackground[0] = 230;
      expectedBackground[1] = 230;
      expectedBackground[2] = 250;
    }
    EXPECT_EQ(expectedBackground[0], colours.background.red);
    EXPECT_EQ(expectedBackground[1], colours.background.green);
    EXPECT_EQ(expectedBackground[2], colours.background.blue);
  }
}

}  // namespace
