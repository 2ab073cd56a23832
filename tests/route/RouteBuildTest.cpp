// A successful build: the table, the runway lists of both airports, the progress
// it reports, and the edges of the source format.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/RouteBuild.h"
#include "support/TestPlans.h"
#include "support/TestPorts.h"

namespace {

using Entries = std::vector<std::string>;

// Records what the build tells its progress watcher, in order.
class RecordingProgress : public BuildProgress {
 public:
  void WorkStarted() override { calls.push_back("started"); }
  void WorkEnded() override { calls.push_back("ended"); }

  std::vector<std::string> calls;
};

class RouteBuildTest : public ::testing::Test {
 protected:
  RouteBuildTest() : request(SetUpZurichGeneva(t.files)) {}

  void SetSource(const std::vector<std::string>& waypointLines) {
    t.files.files[kSourcePath] = FliteStarExport(waypointLines);
  }

  // Builds the request; the build must leave no file open.
  BuiltRoute Build(BuildProgress* progress = nullptr) {
    BuiltRoute built = BuildRoute(request, t.Route(progress));
    EXPECT_EQ(0, t.files.openInputs) << "no file stays open";
    return built;
  }

  TestPorts t;
  RouteRequest request;
};

TEST_F(RouteBuildTest, FillsTheTableFromTheExportAndTheDataFile) {
  BuiltRoute built = Build();
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  const RouteTable& route = built.route;
  ASSERT_EQ(3u, route.waypointCount);
  EXPECT_STREQ("LSZH", route.rows[0].ident);
  EXPECT_STREQ("Zurich", route.rows[0].name);
  EXPECT_DOUBLE_EQ(1416.0, route.rows[0].altitude);
  EXPECT_STREQ("TRA", route.rows[1].name);
  EXPECT_EQ('V', route.rows[1].type);
  EXPECT_STREQ("Geneva", route.rows[2].name);
  EXPECT_STREQ("LSZH-TRA-LSGG", route.routeText);
  EXPECT_DOUBLE_EQ(5500.0, route.cruiseAltitude);
  EXPECT_EQ(1, route.legCount);
  EXPECT_EQ(1, route.planNumber);
  EXPECT_STREQ(kAirportPath, built.airportFile.path);
  EXPECT_STREQ(kAirportName, built.airportFile.name);
  EXPECT_TRUE(ShowedMessages(t.messages, {}));
  const std::vector<std::string>& opened = t.files.openedForReading;
  EXPECT_EQ(1, std::count(opened.begin(), opened.end(), kSourcePath)) << "the validation reads what the build held";
}

TEST_F(RouteBuildTest, OffersTheRunwaysOfEachAirportInListOrderAndProposesTheFirst) {
  BuiltRoute built = Build();
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  EXPECT_EQ((Entries{"16 12139 ", "28 8202 ", "34 11155 "}), built.departureRunways.entries);
  EXPECT_STREQ("16 12139 ", built.departureRunways.proposed);
  EXPECT_EQ((Entries{"05 12795 ", "23 12795 "}), built.destinationRunways.entries);
  EXPECT_STREQ("05 12795 ", built.destinationRunways.proposed);
}

TEST_F(RouteBuildTest, ReportsTheEndOfTheValidationThenTheWorkOnTheWaypoints) {
  RecordingProgress progress;
  ASSERT_EQ(RouteOutcome::Built, Build(&progress).outcome);
  // The validation ends the work too, before the build starts it.
  EXPECT_EQ((std::vector<std::string>{"ended", "started", "ended"}), progress.calls);
}

TEST_F(RouteBuildTest, TwoLegsMakeOneRouteWithAirportsInTheMiddle) {
  t.files.files[kSourcePath] = kFliteStarHeader + Lines({"FPL 1", kZurichLine, "FWP W A LSZB N 46 54.8 E 7 29.9 1674",
                                                        "FPL 2", "FWP W A LSZB N 46 54.8 E 7 29.9 1674",
                                                        kGenevaLine});
  BuiltRoute built = Build();
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  EXPECT_EQ(4u, built.route.waypointCount);
  EXPECT_STREQ("LSZH-LSZB-LSZB-LSGG", built.route.routeText);
  EXPECT_STREQ("", built.route.rows[1].name);
  EXPECT_STREQ("", built.route.rows[2].name);
  EXPECT_EQ(2, built.route.legCount);
  EXPECT_EQ(2, built.route.planNumber);
  EXPECT_DOUBLE_EQ(0.0, built.route.cruiseAltitude) << "airports in the middle do not count";
}

TEST_F(RouteBuildTest, CutsThePlanAtThirtyTwoRowsWithOneMessage) {
  std::vector<std::string> lines = {kZurichLine};
  for (int i = 1; i < 31; ++i) {
    lines.push_back("FWP W N N" + std::to_string(i) + " N 47 1.0 E 8 1.0 " + std::to_string(i * 100));
  }
  lines.push_back(kGenevaLine);
  lines.push_back("FWP W V EXTRA N 47 1.0 E 8 1.0 9900");
  lines.push_back("FWP W V EXTRB N 47 1.0 E 8 1.0 9900");
  SetSource(lines);
  BuiltRoute built = Build();
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  EXPECT_TRUE(ShowedMessages(
      t.messages, {{"Maximum Nbr. of MS FS Waypoint's reached in FliteStar Flightplan file route.txt",
                    MessageKind::Error, MessageButtons::Ok}}));
  EXPECT_EQ(32u, built.route.waypointCount);
  EXPECT_STREQ("LSGG", built.route.rows[31].ident);
  EXPECT_DOUBLE_EQ(3000.0, built.route.cruiseAltitude);
}

TEST_F(RouteBuildTest, ReadsNineAndTenFieldLinesAndSkipsWhatIsNoWaypointLine) {
  SetSource({kZurichLine, " FWP W V BLANK N 47 1.0 E 8 1.0 20000", "fwp W V LOWER N 47 1.0 E 8 1.0 20000",
             "FWP W v NINE N 47 1.0 E 8 1.0", "FWP W s TEN N 47 1.0 E 8 1.0 4000", "FWP W ? Q N 47 1.0 E 8",
             kGenevaLine});
  BuiltRoute built = Build();
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  ASSERT_EQ(4u, built.route.waypointCount);
  EXPECT_STREQ("LSZH-NINE-TEN-LSGG", built.route.routeText);
  EXPECT_EQ('V', built.route.rows[1].type);
  EXPECT_DOUBLE_EQ(0.0, built.route.rows[1].altitude);
  EXPECT_EQ('I', built.route.rows[2].type);
  EXPECT_DOUBLE_EQ(4000.0, built.route.rows[2].altitude);
  EXPECT_DOUBLE_EQ(4000.0, built.route.cruiseAltitude);
}

TEST_F(RouteBuildTest, TakesTheCruiseAltitudeFromIntermediateRowsOnly) {
  SetSource({"FWP W A LSZH N 47 27.48 E 8 32.88 30000", "FWP W V TRA N 47 41.35 E 8 26.22 4500.9",
             "FWP W I ZZ N 47 0 E 8 0 -200", kGenevaLine});
  t.files.files[kAirportPath] = Lines({"LSZH Zurich 30000"});
  BuiltRoute built = Build();
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  EXPECT_DOUBLE_EQ(4500.9, built.route.cruiseAltitude) << "kept as read: whoever shows it truncates it";
}

TEST_F(RouteBuildTest, APlanOfTwoAirportsCruisesAtZero) {
  SetSource({kZurichLine, kGenevaLine});
  BuiltRoute built = Build();
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  EXPECT_STREQ("LSZH-LSGG", built.route.routeText);
  EXPECT_DOUBLE_EQ(0.0, built.route.cruiseAltitude);
}

TEST_F(RouteBuildTest, KeepsAnAbsurdCruiseAltitudeAsRead) {
  SetSource({kZurichLine, "FWP W V HIGH N 47 1.0 E 8 1.0 1e300", kGenevaLine});
  BuiltRoute built = Build();
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  EXPECT_DOUBLE_EQ(1e300, built.route.cruiseAltitude);
}

TEST_F(RouteBuildTest, ADepartureMissingFromTheDataFileStillBuilds) {
  t.files.files[kAirportPath] = Lines({kGenevaAirport});
  BuiltRoute built = Build();
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  EXPECT_STREQ("Not found in Airport/Runway Data file!", built.route.rows[0].name);
  EXPECT_DOUBLE_EQ(1416.0, built.route.rows[0].altitude) << "the plan's altitude stays";
  EXPECT_TRUE(built.departureRunways.entries.empty());
  EXPECT_STREQ("", built.departureRunways.proposed);
  EXPECT_STREQ("05 12795 ", built.destinationRunways.proposed);
}

TEST_F(RouteBuildTest, CarriesTheDataFileTheUserPickedAndLooksBothAirportsUpThere) {
  t.files.files["D:\\Other\\apts.txt"] = t.files.files[kAirportPath];
  t.files.files.erase(kAirportPath);
  t.messages.Answer(MessageAnswer::Yes);
  t.dialogs.Choose("D:\\Other\\apts.txt", "apts.txt");
  BuiltRoute built = Build();
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  EXPECT_TRUE(ShowedMessages(t.messages, {{"Failed to open Airport/Runway Data file Fsb_apts.txt!\nDo you want to "
                                           "search for it?", MessageKind::Warning, MessageButtons::YesNo}}));
  EXPECT_STREQ("D:\\Other\\apts.txt", built.airportFile.path);
  EXPECT_STREQ("apts.txt", built.airportFile.name);
  EXPECT_STREQ("Zurich", built.route.rows[0].name);
  EXPECT_STREQ("Geneva", built.route.rows[2].name) << "the destination is looked up in the picked file";
  EXPECT_STREQ("05 12795 ", built.destinationRunways.proposed);
}

TEST_F(RouteBuildTest, ReadsALastLineWithoutLineFeedAndWindowsLineEnds) {
  t.files.files[kSourcePath] =
      std::string("# FliteStar/FliteMap generated flight plan.\r\nFPL 1\r\n") + kZurichLine + "\r\n" + kGenevaLine;
  BuiltRoute built = Build();
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  EXPECT_STREQ("LSZH-LSGG", built.route.routeText);
}

TEST_F(RouteBuildTest, BuildingTwiceGivesTheSameTableAndRunways) {
  BuiltRoute first = Build();
  BuiltRoute second = Build();
  ASSERT_EQ(RouteOutcome::Built, first.outcome);
  ASSERT_EQ(RouteOutcome::Built, second.outcome);
  ASSERT_EQ(first.route.waypointCount, second.route.waypointCount);
  EXPECT_STREQ(first.route.routeText, second.route.routeText);
  EXPECT_EQ(first.route.cruiseAltitude, second.route.cruiseAltitude);
  EXPECT_EQ(first.departureRunways.entries, second.departureRunways.entries);
  EXPECT_STREQ(first.departureRunways.proposed, second.departureRunways.proposed);
  EXPECT_EQ(first.destinationRunways.entries, second.destinationRunways.entries);
  EXPECT_STREQ(first.destinationRunways.proposed, second.destinationRunways.proposed);
  for (uint32_t index = 0; index < first.route.waypointCount; ++index) {
    SCOPED_TRACE("row " + std::to_string(index));
    const WaypointRow& a = first.route.rows[index];
    const WaypointRow& b = second.route.rows[index];
    EXPECT_STREQ(a.ident, b.ident);
    EXPECT_STREQ(a.name, b.name);
    EXPECT_EQ(a.type, b.type);
    EXPECT_EQ(a.altitude, b.altitude);
    EXPECT_EQ(a.latitude, b.latitude);
    EXPECT_EQ(a.longitude, b.longitude);
  }
}

TEST_F(RouteBuildTest, LeavesFrequencyAndPlannerValuesAtZero) {
  BuiltRoute built = Build();
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  for (uint32_t index = 0; index < built.route.waypointCount; ++index) {
    EXPECT_DOUBLE_EQ(0.0, built.route.rows[index].frequency);
    for (double value : built.route.rows[index].plannerValues) EXPECT_DOUBLE_EQ(0.0, value);
  }
}

}  // namespace
