// The Radar Contact plan, byte for byte, with today's date from a fake port.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/TestRoutes.h"
#include "writers/PlanWriters.h"
#include "writers/WriterTestSupport.h"

namespace {

// The line of `plan` that starts with `start`, without its line end.
std::string LineStarting(const std::string& plan, const std::string& start) {
  for (const std::string& line : LinesOf(plan)) {
    if (line.rfind(start, 0) == 0) return line;
  }
  return "<no line " + start + ">";
}

class RadarContactWriterTest : public ::testing::Test {
 protected:
  RadarContactWriterTest() { MakeZurichGenevaRoute(t.app.route); }

  std::string Written() { return WrittenBy(t, WriteRadarContactPlan, "LSZH-LSGG.txt"); }

  TestApp t;
};

TEST_F(RadarContactWriterTest, ZurichGenevaOverTraMatchesTheGoldenFile) {
  std::string plan = Written();
  EXPECT_TRUE(MatchesGolden(plan, "radarcontact/zurich-geneva.apl"));
  // The last bytes are the word alone, with no line end after it.
  EXPECT_EQ("0\r\nRETURN", plan.substr(plan.size() - 9));
}

TEST_F(RadarContactWriterTest, TwoAirportRouteHasNoCheckpointAndHoldsAtTheDeparture) {
  MakeTwoAirportRoute(t.app.route);
  EXPECT_TRUE(MatchesGolden(Written(), "radarcontact/two-airports.apl"));
}

TEST_F(RadarContactWriterTest, RouteDistanceIsSetToZeroBeforeItIsPrinted) {
  t.app.route.routeDistance = 187.6;
  EXPECT_TRUE(MatchesGolden(Written(), "radarcontact/zurich-geneva.apl"));
  EXPECT_EQ(0.0, t.app.route.routeDistance);
}

TEST_F(RadarContactWriterTest, FlightLevelAndFiledAltitudeAreTruncated) {
  const struct {
    double cruiseAltitude;
    const char* description;
    const char* filedAltitude;
  } cases[] = {
      {4550.0, "    Description \"Zurich to Geneva, 0 nm at FL45\"", "    filed_altitude = 455"},
      {950.0, "    Description \"Zurich to Geneva, 0 nm at FL9\"", "    filed_altitude = 95"},
      {5599.9, "    Description \"Zurich to Geneva, 0 nm at FL55\"", "    filed_altitude = 559"},
      {99.0, "    Description \"Zurich to Geneva, 0 nm at FL0\"", "    filed_altitude = 9"},
      // Beyond any 32-bit count: the nearest limit, never undefined behaviour.
      {1e12, "    Description \"Zurich to Geneva, 0 nm at FL21474836\"", "    filed_altitude = 214748364"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cruiseAltitude);
    t.app.route.cruiseAltitude = c.cruiseAltitude;
    std::string plan = Written();
    EXPECT_EQ(c.description, LineStarting(plan, "    Description \"Zurich"));
    EXPECT_EQ(c.filedAltitude, LineStarting(plan, "    filed_altitude"));
  }
}

TEST_F(RadarContactWriterTest, ElevationsAreTruncated) {
  t.app.route.rows[0].altitude = 1416.99;
  t.app.route.rows[2].altitude = -12.7;
  std::string plan = Written();
  EXPECT_EQ("    departure_elevation = 1416", LineStarting(plan, "    departure_elevation"));
  EXPECT_EQ("    arrival_elevation = -12", LineStarting(plan, "    arrival_elevation"));
}

TEST_F(RadarContactWriterTest, OnlyVorAndNdbCheckpointsHaveAFrequencyLine) {
  RouteTable& route = t.app.route;
  route = RouteTable{};
  AddTestRow(route, 'A', "LSZH", "Zurich", 'N', 47, 27.48, 'E', 8, 32.88, 1416);
  AddTestRow(route, 'V', "TRA", "TRA", 'N', 47, 41.35, 'E', 8, 26.22, 2499.9);
  AddTestRow(route, 'N', "ZH", "ZH", 'N', 47, 30.0, 'E', 8, 30.0, 3000);
  AddTestRow(route, 'I', "AMIKI", "AMIKI", 'N', 47, 0.0, 'E', 8, 0.0, 4000);
  AddTestRow(route, 'A', "LSZB", "", 'N', 46, 54.87, 'E', 7, 29.95, 1674);  // an airport midway
  AddTestRow(route, 'A', "LSGG", "Geneva", 'S', 46, 14.28, 'W', 6, 6.54, 1411);
  route.rows[3].plannerValues[5] = 123.9;  // a heading: truncated
  route.cruiseAltitude = 4000;
  std::vector<std::string> lines = LinesOf(Written());
  std::vector<std::string> checkpoints(lines.begin() + 28, lines.end());
  std::vector<std::string> expected = {
      "    checkpoint_1_latitude = 47.689167",
      "    checkpoint_1_longitude = 8.437000",
      "    checkpoint_1_altitude = 249",
      "    checkpoint_1_freq = 0.00",
      "    checkpoint_1_heading = 0",
      "    checkpoint_2_latitude = 47.500000",
      "    checkpoint_2_longitude = 8.500000",
      "    checkpoint_2_altitude = 300",
      "    checkpoint_2_freq = 0.00",
      "    checkpoint_2_heading = 0",
      "    checkpoint_3_latitude = 47.000000",
      "    checkpoint_3_longitude = 8.000000",
      "    checkpoint_3_altitude = 400",
      "    checkpoint_3_heading = 123",
      "    checkpoint_4_latitude = 46.914500",
      "    checkpoint_4_longitude = 7.499167",
      "    checkpoint_4_altitude = 167",
      "    checkpoint_4_heading = 0",
      "RETURN",
  };
  EXPECT_EQ(expected, checkpoints);
  EXPECT_EQ("HOLD_ID = \"LSZB\"", lines[5]);
  EXPECT_EQ("    number_of_checkpoints = 4", lines[23]);
  EXPECT_EQ("    arrival_latitude = -46.238000", lines[26]);
  EXPECT_EQ("    arrival_longitude = -6.109000", lines[27]);
}

TEST_F(RadarContactWriterTest, TheDateLineShowsTheLocalesLongDate) {
  t.dates.longDate = "Montag, 7. Dezember 2026";
  EXPECT_EQ("; Generated by PlanTransit for Radar Contact on Montag, 7. Dezember 2026",
            LinesOf(Written())[1]);
}

TEST_F(RadarContactWriterTest, WithoutADateTheLineIsWrittenWithAnEmptyDate) {
  t.dates.available = false;
  EXPECT_EQ("; Generated by PlanTransit for Radar Contact on ", LinesOf(Written())[1]);
  t.app.host.dates = nullptr;
  EXPECT_EQ("; Generated by PlanTransit for Radar Contact on ", LinesOf(Written())[1]);
}

TEST_F(RadarContactWriterTest, TheTitleNamesTheFileWithItsNewExtension) {
  EXPECT_EQ("    Title \"!RC LSZH to LSGG (filename: route.apl)\"",
            LinesOf(WrittenBy(t, WriteRadarContactPlan, "route."))[12]);
}

}  // namespace
