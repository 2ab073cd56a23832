// The printed heading and rows, character for character before tab expansion.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "present/PrintedLines.h"
#include "support/TestRoutes.h"

namespace {

WaypointRow ZurichRow() {
  RouteTable route{};
  AddTestRow(route, 'A', "LSZH", "ZURICH", 'N', 47, 27.5, 'E', 8, 33.12, 1416.4);
  return route.rows[0];
}

TEST(PrintedLines, HeadingNamesEveryColumnInEightyFourCharacters) {
  const std::string expected = std::string("WP-Id.") + "\t " + "Facility Name       " + "\t " + "T" + "\t  " +
                               "Latitude       " + "\t " + "Longitude      " + "\t  " + "Altitude       ";
  EXPECT_EQ(FormatHeadingLine(), expected);
  EXPECT_EQ(FormatHeadingLine().size(), 84u);
}

TEST(PrintedLines, ZurichRowPadsIdentAndNameAndWritesDegreesMinutesAndSignedAltitude) {
  const std::string expected = std::string("LSZH ") + "\t " + "ZURICH              " + "\t " + "A" + "\t  " +
                               "N47\xB0" + "  " + "27.50'" + "\t " + "E008\xB0" + " " + "33.12'" + "\t  " +
                               "+001416.40";
  EXPECT_EQ(FormatRouteRow(ZurichRow()), expected);
}

TEST(PrintedLines, AltitudeBelowSeaLevelCarriesItsSignOnce) {
  WaypointRow row = ZurichRow();
  row.altitude = -11.0;
  const std::string text = FormatRouteRow(row);
  EXPECT_EQ(text.substr(text.size() - 13), "\t  -000011.00");
}

TEST(PrintedLines, RowWithFullLengthNameIsNotCut) {
  WaypointRow row = ZurichRow();
  std::memset(row.name, 'N', kNameLength);
  row.name[kNameLength] = '\0';
  EXPECT_NE(FormatRouteRow(row).find(std::string(kNameLength, 'N') + "\t A"), std::string::npos);
}

TEST(PrintedLines, HugeAltitudeMakesALongerRowNotAnOverrun) {
  WaypointRow row = ZurichRow();
  row.altitude = 1e200;
  const std::string text = FormatRouteRow(row);
  EXPECT_GT(text.size(), 200u);
  EXPECT_EQ(text.substr(text.size() - 3), ".00");
}

TEST(PrintedLines, IdentAndNameWithoutTerminatorStopAtTheirFieldWidth) {
  WaypointRow row = ZurichRow();
  std::memset(row.ident, 'I', sizeof row.ident);
  std::memset(row.name, 'N', sizeof row.name);
  const std::string text = FormatRouteRow(row);
  EXPECT_EQ(text.substr(0, 8), "IIIIII\t ");
  EXPECT_EQ(text.substr(8, sizeof row.name + 2), std::string(sizeof row.name, 'N') + "\t ");
}

}  // namespace
