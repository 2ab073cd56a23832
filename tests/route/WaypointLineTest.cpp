// The waypoint lines: both forms, the type letters, the coordinates, and what is
// not a waypoint line.
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/DecimalDegrees.h"
#include "route/WaypointLine.h"

namespace {

TEST(WaypointLine, ReadsAllTenFieldsOfAFullLine) {
  WaypointRow row;
  ASSERT_TRUE(ReadWaypointRow("FWP W V TRA N 47 41.35 E 8 26.22 5500\n", row));
  EXPECT_EQ('W', row.firstCode);
  EXPECT_EQ('V', row.type);
  EXPECT_STREQ("TRA", row.ident);
  EXPECT_STREQ("TRA", row.name);
  EXPECT_EQ('N', row.latHemisphere);
  EXPECT_EQ(47, row.latDegrees);
  EXPECT_DOUBLE_EQ(41.35, row.latMinutes);
  EXPECT_EQ('E', row.lonHemisphere);
  EXPECT_EQ(8, row.lonDegrees);
  EXPECT_DOUBLE_EQ(26.22, row.lonMinutes);
  EXPECT_DOUBLE_EQ(5500.0, row.altitude);
  EXPECT_DOUBLE_EQ(47.0 + 41.35 / 60.0, row.latitude);
  EXPECT_DOUBLE_EQ(8.0 + 26.22 / 60.0, row.longitude);
  EXPECT_DOUBLE_EQ(0.0, row.frequency);
}

TEST(WaypointLine, ANineFieldLineHasAltitudeZero) {
  WaypointRow row;
  ASSERT_TRUE(ReadWaypointRow("FWP W N ZH N 47 20.00 E 8 30.00\n", row));
  EXPECT_STREQ("ZH", row.ident);
  EXPECT_DOUBLE_EQ(30.0, row.lonMinutes);
  EXPECT_DOUBLE_EQ(0.0, row.altitude);
}

TEST(WaypointLine, AnAltitudeThatIsNoNumberLeavesANineFieldRow) {
  WaypointRow row;
  ASSERT_TRUE(ReadWaypointRow("FWP W N ZH N 47 20.00 E 8 30.00 high\n", row));
  EXPECT_DOUBLE_EQ(0.0, row.altitude);
}

TEST(WaypointLine, NormalisesTypeLettersAndKeepsAirportNamesEmpty) {
  struct TypeCase {
    char read;
    char stored;
  } cases[] = {{'A', 'A'}, {'a', 'A'}, {'V', 'V'}, {'v', 'V'}, {'N', 'N'}, {'n', 'N'}, {'S', 'I'},
               {'s', 'I'}, {'?', 'I'}, {'I', 'I'}, {'x', 'X'}, {'7', '7'}};
  for (const TypeCase& c : cases) {
    SCOPED_TRACE(std::string("type ") + c.read);
    char line[64];
    std::snprintf(line, sizeof line, "FWP W %c ABC N 1 2.0 E 3 4.0 100\n", c.read);
    WaypointRow row;
    ASSERT_TRUE(ReadWaypointRow(line, row));
    EXPECT_EQ(c.stored, row.type);
    EXPECT_STREQ(c.stored == 'A' ? "" : "ABC", row.name);
  }
}

TEST(WaypointLine, SignsCoordinatesOnlyForUpperCaseSouthAndWest) {
  struct HemisphereCase {
    const char* line;
    double latitude;
    double longitude;
  } cases[] = {
      {"FWP W V X S 33 30.0 W 70 45.0\n", -33.5, -70.75},
      {"FWP W V X N 33 30.0 E 70 45.0\n", 33.5, 70.75},
      {"FWP W V X s 33 30.0 w 70 45.0\n", 33.5, 70.75},
  };
  for (const HemisphereCase& c : cases) {
    SCOPED_TRACE(c.line);
    WaypointRow row;
    ASSERT_TRUE(ReadWaypointRow(c.line, row));
    EXPECT_DOUBLE_EQ(c.latitude, row.latitude);
    EXPECT_DOUBLE_EQ(c.longitude, row.longitude);
  }
}

TEST(WaypointLine, ToDecimalDegreesAddsMinutesAndSignsSouthAndWest) {
  EXPECT_DOUBLE_EQ(47.458, ToDecimalDegrees('N', 47, 27.48));
  EXPECT_DOUBLE_EQ(-47.458, ToDecimalDegrees('S', 47, 27.48));
  EXPECT_DOUBLE_EQ(-8.548, ToDecimalDegrees('W', 8, 32.88));
  EXPECT_DOUBLE_EQ(8.548, ToDecimalDegrees('w', 8, 32.88));
  EXPECT_DOUBLE_EQ(0.5, ToDecimalDegrees('?', 0, 30.0));
}

TEST(WaypointLine, RejectsLinesThatAreNoWaypointLines) {
  const char* lines[] = {
      " FWP W V TRA N 47 41.35 E 8 26.22 5500\n",   // not in column 1
      "fwp W V TRA N 47 41.35 E 8 26.22 5500\n",    // lower case
      "FWP W V TRA N 47 41.35 E 8\n",               // eight fields
      "FWP W V TRA N 47 41.35 E x 26.22 5500\n",    // degrees not a number
      "FWP\n",
      "FPL 1\n",
      "# FliteStar/FliteMap generated flight plan.\n",
      "",
  };
  for (const char* line : lines) {
    SCOPED_TRACE(line);
    WaypointRow row;
    row.type = 'Z';
    EXPECT_FALSE(ReadWaypointRow(line, row));
    EXPECT_EQ('\0', row.type) << "the row is cleared";
  }
}

TEST(WaypointLine, CutsALongIdentifierToFiveAndKeepsTheFieldsAfterIt) {
  WaypointRow row;
  ASSERT_TRUE(ReadWaypointRow("FWP W V ABCDEFGHIJKLMNOPQRSTUVWXYZ N 47 41.35 E 8 26.22 5500\n", row));
  EXPECT_STREQ("ABCDE", row.ident);
  EXPECT_STREQ("ABCDE", row.name);
  EXPECT_EQ('N', row.latHemisphere);
  EXPECT_EQ(8, row.lonDegrees);
  EXPECT_DOUBLE_EQ(5500.0, row.altitude);
}

// Lines ParseWaypointLine must count exactly as sscanf counts them.
TEST(WaypointLine, CountsFieldsExactlyAsSscanfDoes) {
  const char* lines[] = {
      "FWP W V TRA N 47 41.35 E 8 26.22 5500",
      "FWP W V TRA N 47 41.35 E 8 26.22",
      "FWP W V TRA N 47 41.35 E 8",
      "FWP W V TRA N 47 41.35 E",
      "FWP W V TRA N 47 41.35",
      "FWP W V TRA N 47",
      "FWP W V TRA N",
      "FWP W V TRA",
      "FWP W V",
      "FWP W",
      "FWP",
      "FWP ",
      "FWPWVTRA N 47 41.35 E 8 26.22 5500",
      "FWP W V TRA N x",
      "FWP W V TRA N 47 1e E 8 26.22 5500",
      "FWP W V TRA N 47 inf E 8 26.22 5500",
      "FWP\tW\tV\tTRA\tN\t47\t41.35\tE\t8\t26.22\t5500",
      "FW",
      "",
  };
  for (const char* line : lines) {
    SCOPED_TRACE(line);
    char first, type, ident[256], latHemisphere, lonHemisphere;
    int latDegrees, lonDegrees;
    double latMinutes, lonMinutes, altitude;
    int expected = std::sscanf(line, "FWP %c %c %s %c %d %lf %c %d %lf %lf", &first, &type, ident,
                               &latHemisphere, &latDegrees, &latMinutes, &lonHemisphere, &lonDegrees,
                               &lonMinutes, &altitude);
    WaypointRow row{};
    EXPECT_EQ(expected, ParseWaypointLine(line, row));
  }
}

}  // namespace
