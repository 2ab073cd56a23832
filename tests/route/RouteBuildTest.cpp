// A successful build: the table, every main-window effect, the destination name,
// and the edges of the source format.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/PathSeparator.h"
#include "route/RouteBuild.h"
#include "support/TestPlans.h"

namespace {

class RouteBuildTest : public ::testing::Test {
 protected:
  RouteBuildTest() {
    SetUpZurichGeneva(t);
    ProgramSettings& settings = t.app.settings;
    settings.autogenMode = 1;
    settings.exportType = 1;
    settings.showToolbar = 1;
    std::snprintf(settings.defaultDestDir, kPathSize, "Flights");
    std::snprintf(settings.destFilePath, kPathSize, "previous%cplan.pln", kPathSeparator);
    std::snprintf(settings.destFileName, kPathSize, "plan.pln");
  }

  void SetSource(const std::vector<std::string>& waypointLines) {
    t.files.files[kSourcePath] = FliteStarExport(waypointLines);
  }

  const WaypointRow& Row(int index) { return t.app.route.rows[index]; }

  TestApp t;
};

TEST_F(RouteBuildTest, FillsTheTableFromTheExportAndTheDataFile) {
  ASSERT_TRUE(BuildRoute(t.app));
  const RouteTable& route = t.app.route;
  ASSERT_EQ(3u, route.waypointCount);
  EXPECT_STREQ("LSZH", Row(0).ident);
  EXPECT_STREQ("Zurich", Row(0).name);
  EXPECT_DOUBLE_EQ(1416.0, Row(0).altitude);
  EXPECT_STREQ("TRA", Row(1).name);
  EXPECT_EQ('V', Row(1).type);
  EXPECT_STREQ("Geneva", Row(2).name);
  EXPECT_STREQ("LSZH-TRA-LSGG", route.routeText);
  EXPECT_DOUBLE_EQ(5500.0, route.cruiseAltitude);
  EXPECT_EQ(1, route.legCount);
  EXPECT_EQ(1, route.planNumber);
  EXPECT_TRUE(route.routeUnsaved);
  EXPECT_STREQ("16 12139 ", route.departureRunway);
  EXPECT_STREQ("05 12795 ", route.destinationRunway);
  EXPECT_TRUE(ShowedMessages(t.messages, {}));
}

TEST_F(RouteBuildTest, ShowsTheRouteInTheMainWindow) {
  ASSERT_TRUE(BuildRoute(t.app));
  std::string expectedPath = std::string("Flights") + kPathSeparator + "LSZH-LSGG.pln";
  const std::pair<int, std::string> texts[] = {
      {kRouteEdit, "LSZH-TRA-LSGG"}, {kCruiseAltitudeStatic, "5500"}, {kDepartureIdentStatic, "LSZH"},
      {kDestinationIdentStatic, "LSGG"}, {kDepartureNameStatic, "Zurich"}, {kDestinationNameStatic, "Geneva"},
      {kDestinationEdit, expectedPath},
  };
  for (const auto& [id, text] : texts) EXPECT_EQ(text, t.window.texts[id]) << "control " << id;
  EXPECT_STREQ(expectedPath.c_str(), t.app.settings.destFilePath);
  EXPECT_STREQ("LSZH-LSGG.pln", t.app.settings.destFileName);
  EXPECT_EQ(std::vector<std::string>({"16 12139 ", "28 8202 ", "34 11155 "}),
            t.window.lists[kDepartureRunwayList].entries);
  EXPECT_EQ(std::vector<std::string>({"05 12795 ", "23 12795 "}), t.window.lists[kLandingRunwayList].entries);
  EXPECT_TRUE(t.window.enabledControls[kDetailsButton]);
  EXPECT_TRUE(t.window.enabledMenuItems[kPrintCommand]);
  EXPECT_TRUE(t.window.enabledToolbarButtons[kDetailsButton]);
  EXPECT_TRUE(t.window.enabledToolbarButtons[kPrintCommand]);
}

TEST_F(RouteBuildTest, LeavesTheToolbarAloneWhenItIsNotShown) {
  t.app.settings.showToolbar = 0;
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_TRUE(t.window.enabledToolbarButtons.empty());
  EXPECT_TRUE(t.window.enabledControls[kDetailsButton]);
}

TEST_F(RouteBuildTest, ShowsBusyFeedbackAndStatusTextWhileReading) {
  ASSERT_TRUE(BuildRoute(t.app));
  // The validation ends the feedback too, before the build starts it.
  EXPECT_EQ(std::vector<std::string>({"", "Building WP Table and Runway Information", ""}), t.window.statusTexts);
  EXPECT_EQ(1, t.window.busyStarts);
  EXPECT_EQ(2, t.window.busyStops);
}

TEST_F(RouteBuildTest, WritesNoStatusTextWhenTheStatusBarIsHidden) {
  t.window.statusBarVisible = false;
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_TRUE(t.window.statusTexts.empty());
  EXPECT_EQ(t.window.busyStarts + 1, t.window.busyStops);
}

TEST_F(RouteBuildTest, NamingRuleThreeKeepsTheDestinationAndShowsIt) {
  t.app.settings.autogenMode = 3;
  std::string previous = t.app.settings.destFilePath;
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_EQ(previous, t.app.settings.destFilePath);
  EXPECT_STREQ("plan.pln", t.app.settings.destFileName);
  EXPECT_EQ(previous, t.window.texts[kDestinationEdit]);
}

TEST_F(RouteBuildTest, TwoLegsMakeOneRouteWithAirportsInTheMiddle) {
  t.files.files[kSourcePath] = kFliteStarHeader + Lines({"FPL 1", kZurichLine, "FWP W A LSZB N 46 54.8 E 7 29.9 1674",
                                                        "FPL 2", "FWP W A LSZB N 46 54.8 E 7 29.9 1674",
                                                        kGenevaLine});
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_EQ(4u, t.app.route.waypointCount);
  EXPECT_STREQ("LSZH-LSZB-LSZB-LSGG", t.app.route.routeText);
  EXPECT_STREQ("", Row(1).name);
  EXPECT_STREQ("", Row(2).name);
  EXPECT_EQ(2, t.app.route.legCount);
  EXPECT_EQ(2, t.app.route.planNumber);
  EXPECT_DOUBLE_EQ(0.0, t.app.route.cruiseAltitude) << "airports in the middle do not count";
}

TEST_F(RouteBuildTest, CutsThePlanAtThirtyTwoRowsWithOneMessage) {
  std::vector<std::string> lines = {kZurichLine};
  for (int i = 1; i < 31; ++i) lines.push_back("FWP W N N" + std::to_string(i) + " N 47 1.0 E 8 1.0 " + std::to_string(i * 100));
  lines.push_back(kGenevaLine);
  lines.push_back("FWP W V EXTRA N 47 1.0 E 8 1.0 9900");
  lines.push_back("FWP W V EXTRB N 47 1.0 E 8 1.0 9900");
  SetSource(lines);
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_TRUE(ShowedMessages(t.messages, {{"Maximum Nbr. of MS FS Waypoint's reached in FliteStar Flightplan file route.txt",
                                           MessageKind::Error, MessageButtons::Ok}}));
  EXPECT_EQ(32u, t.app.route.waypointCount);
  EXPECT_STREQ("LSGG", Row(31).ident);
  EXPECT_DOUBLE_EQ(3000.0, t.app.route.cruiseAltitude);
}

TEST_F(RouteBuildTest, ReadsNineAndTenFieldLinesAndSkipsWhatIsNoWaypointLine) {
  SetSource({kZurichLine, " FWP W V BLANK N 47 1.0 E 8 1.0 20000", "fwp W V LOWER N 47 1.0 E 8 1.0 20000",
             "FWP W v NINE N 47 1.0 E 8 1.0", "FWP W s TEN N 47 1.0 E 8 1.0 4000", "FWP W ? Q N 47 1.0 E 8",
             kGenevaLine});
  ASSERT_TRUE(BuildRoute(t.app));
  ASSERT_EQ(4u, t.app.route.waypointCount);
  EXPECT_STREQ("LSZH-NINE-TEN-LSGG", t.app.route.routeText);
  EXPECT_EQ('V', Row(1).type);
  EXPECT_DOUBLE_EQ(0.0, Row(1).altitude);
  EXPECT_EQ('I', Row(2).type);
  EXPECT_DOUBLE_EQ(4000.0, Row(2).altitude);
  EXPECT_DOUBLE_EQ(4000.0, t.app.route.cruiseAltitude);
}

TEST_F(RouteBuildTest, TakesTheCruiseAltitudeFromIntermediateRowsOnly) {
  SetSource({"FWP W A LSZH N 47 27.48 E 8 32.88 30000", "FWP W V TRA N 47 41.35 E 8 26.22 4500.9",
             "FWP W I ZZ N 47 0 E 8 0 -200", kGenevaLine});
  t.files.files[kAirportPath] = Lines({"LSZH Zurich 30000"});
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_DOUBLE_EQ(4500.9, t.app.route.cruiseAltitude);
  EXPECT_EQ("4500", t.window.texts[kCruiseAltitudeStatic]) << "truncated toward zero";
}

TEST_F(RouteBuildTest, ShowsNoCruiseAltitudeAboveZeroForAPlanOfTwoAirports) {
  SetSource({kZurichLine, kGenevaLine});
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_STREQ("LSZH-LSGG", t.app.route.routeText);
  EXPECT_EQ("0", t.window.texts[kCruiseAltitudeStatic]);
}

TEST_F(RouteBuildTest, ShowsAnAbsurdCruiseAltitudeWithinTheIntegerRange) {
  SetSource({kZurichLine, "FWP W V HIGH N 47 1.0 E 8 1.0 1e300", kGenevaLine});
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_EQ("2147483647", t.window.texts[kCruiseAltitudeStatic]);
}

TEST_F(RouteBuildTest, ADepartureMissingFromTheDataFileStillBuilds) {
  t.files.files[kAirportPath] = Lines({kGenevaAirport});
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_STREQ("Not found in Airport/Runway Data file!", Row(0).name);
  EXPECT_EQ("Not found in Airport/Runway Data file!", t.window.texts[kDepartureNameStatic]);
  EXPECT_DOUBLE_EQ(1416.0, Row(0).altitude) << "the plan's altitude stays";
}

TEST_F(RouteBuildTest, ReadsALastLineWithoutLineFeedAndWindowsLineEnds) {
  t.files.files[kSourcePath] =
      std::string("# FliteStar/FliteMap generated flight plan.\r\nFPL 1\r\n") + kZurichLine + "\r\n" + kGenevaLine;
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_STREQ("LSZH-LSGG", t.app.route.routeText);
}

TEST_F(RouteBuildTest, BuildingTwiceGivesTheSameTableAndTexts) {
  ASSERT_TRUE(BuildRoute(t.app));
  RouteTable first = t.app.route;
  std::map<int, std::string> firstTexts = t.window.texts;
  ASSERT_TRUE(BuildRoute(t.app));
  const RouteTable& second = t.app.route;
  ASSERT_EQ(first.waypointCount, second.waypointCount);
  EXPECT_STREQ(first.routeText, second.routeText);
  EXPECT_EQ(first.cruiseAltitude, second.cruiseAltitude);
  EXPECT_STREQ(first.departureRunway, second.departureRunway);
  EXPECT_STREQ(first.destinationRunway, second.destinationRunway);
  for (uint32_t index = 0; index < first.waypointCount; ++index) {
    SCOPED_TRACE("row " + std::to_string(index));
    const WaypointRow& a = first.rows[index];
    const WaypointRow& b = second.rows[index];
    EXPECT_STREQ(a.ident, b.ident);
    EXPECT_STREQ(a.name, b.name);
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.altitude, b.altitude);
    EXPECT_EQ(a.latitude, b.latitude);
    EXPECT_EQ(a.longitude, b.longitude);
  }
  EXPECT_EQ(firstTexts, t.window.texts);
}

TEST_F(RouteBuildTest, LeavesFrequencyAndPlannerValuesAtZero) {
  ASSERT_TRUE(BuildRoute(t.app));
  for (uint32_t index = 0; index < t.app.route.waypointCount; ++index) {
    EXPECT_DOUBLE_EQ(0.0, Row(index).frequency);
    for (double value : Row(index).plannerValues) EXPECT_DOUBLE_EQ(0.0, value);
  }
}

}  // namespace
