// Every row of the build's failure table: the message with its icon and buttons,
// and whether the build goes on or fails.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/RouteBuild.h"
#include "route/SourceFile.h"
#include "route/SourceValidation.h"
#include "support/NoPlanMessage.h"
#include "support/TestPlans.h"
#include "support/TestPorts.h"

namespace {

std::vector<std::string> WaypointLines(int count) {
  std::vector<std::string> lines = {kZurichLine};
  for (int i = 1; i + 1 < count; ++i) lines.push_back("FWP W V V" + std::to_string(i) + " N 47 1.0 E 8 1.0 3000");
  lines.push_back(kGenevaLine);
  return lines;
}

// `source` with comment lines after it, more than a build holds: its validation
// and its build then open the file anew, and may each fail to.
std::string TooLargeToHold(std::string source) {
  while (source.size() <= kHeldSourceSize) source += "# a line no reading takes\n";
  return source;
}

RecordedMessage Error(const std::string& text) { return {text, MessageKind::Error, MessageButtons::Ok}; }
RecordedMessage Warning(const std::string& text) { return {text, MessageKind::Warning, MessageButtons::Ok}; }

struct FailureCase {
  const char* name;
  std::function<void(TestPorts&, RouteRequest&)> arrange;
  std::vector<RecordedMessage> messages;
  bool built;
};

TEST(RouteBuildFailures, ShowEachMessageWithItsIconAndEndTheBuildAsTheyShould) {
  const FailureCase cases[] = {
      {"no source file name",
       [](TestPorts&, RouteRequest& request) { request.sourcePath = ""; },
       {Error("No FliteStar Flightplan Filename supplied!")}, false},
      {"the source cannot be opened for the validation",
       [](TestPorts& t, RouteRequest&) { t.files.files.erase(kSourcePath); },
       {Error("Failed to open FliteStar Flightplan file route.txt")}, false},
      {"the source cannot be opened again for the build",
       [](TestPorts& t, RouteRequest&) {
         t.files.files[kSourcePath] = TooLargeToHold(t.files.files[kSourcePath]);
         t.files.openFailsFrom[kSourcePath] = 3;
       },
       {Error("Failed to open FliteStar Flightplan file route.txt")}, false},
      {"a read error in the first line",
       [](TestPorts& t, RouteRequest&) { t.files.readErrorAt[kSourcePath] = {5}; },
       {Error("Error while reading from FliteStar Flightplan file route.txt")}, false},
      {"a read error after the header, while the legs are counted",
       [](TestPorts& t, RouteRequest&) {
         t.files.readErrorAt[kSourcePath] = {std::string(kFliteStarHeader).size() + 3};
       },
       {Error("Error while reading from FliteStar Flightplan file route.txt")}, false},
      {"a read error while the waypoints are read",
       [](TestPorts& t, RouteRequest&) {
         t.files.files[kSourcePath] = TooLargeToHold(t.files.files[kSourcePath]);
         t.files.readErrorAt[kSourcePath] = {60, 3};
       },
       {Error("Error while reading from FliteStar Flightplan file route.txt")}, false},
      {"the first line is not the header",
       [](TestPorts& t, RouteRequest&) {
         t.files.files[kSourcePath] = "# Some other plan\n" + Lines({"FPL 1", kZurichLine, kGenevaLine});
       },
       {Error(NoPlanOfAnyKindText("route.txt"))}, false},
      {"an empty source file",
       [](TestPorts& t, RouteRequest&) { t.files.files[kSourcePath] = ""; },
       {Error(NoPlanOfAnyKindText("route.txt"))}, false},
      {"no leg line",
       [](TestPorts& t, RouteRequest&) {
         t.files.files[kSourcePath] = kFliteStarHeader + Lines({kZurichLine, kGenevaLine});
       },
       {Error("No valid Leg's found in FliteStar Flightplan file route.txt")}, false},
      {"two leg lines",
       [](TestPorts& t, RouteRequest&) {
         t.files.files[kSourcePath] = kFliteStarHeader + Lines({"FPL 1", kZurichLine, "FPL 2", kGenevaLine});
       },
       {Warning("More than 1 Leg in FliteStar Flightplan file route.txt")}, true},
      {"a 33rd waypoint line",
       [](TestPorts& t, RouteRequest&) { t.files.files[kSourcePath] = FliteStarExport(WaypointLines(33)); },
       {Error("Maximum Nbr. of MS FS Waypoint's reached in FliteStar Flightplan file route.txt"),
        Error("The first and last items in the plan must be airports in FliteStar Flightplan file route.txt")},
       false},
      {"no waypoint line",
       [](TestPorts& t, RouteRequest&) { t.files.files[kSourcePath] = FliteStarExport({}); },
       {Error("No valid Waypoint's found in FliteStar Flightplan file route.txt")}, false},
      {"exactly one waypoint line",
       [](TestPorts& t, RouteRequest&) { t.files.files[kSourcePath] = FliteStarExport({kZurichLine}); },
       {Error("Need at least 2 items in FliteStar Flightplan file route.txt")}, false},
      {"the first item is no airport",
       [](TestPorts& t, RouteRequest&) {
         t.files.files[kSourcePath] = FliteStarExport({kTrasadingenLine, kGenevaLine});
       },
       {Error("The first and last items in the plan must be airports in FliteStar Flightplan file route.txt")},
       false},
      {"the last item is no airport",
       [](TestPorts& t, RouteRequest&) {
         t.files.files[kSourcePath] = FliteStarExport({kZurichLine, kTrasadingenLine});
       },
       {Error("The first and last items in the plan must be airports in FliteStar Flightplan file route.txt")},
       false},
      {"the data file cannot be opened",
       [](TestPorts& t, RouteRequest&) {
         t.files.files.erase(kAirportPath);
         t.messages.Answer(MessageAnswer::No);
         t.messages.Answer(MessageAnswer::No);
       },
       {{"Failed to open Airport/Runway Data file Fsb_apts.txt!\nDo you want to search for it?",
         MessageKind::Warning, MessageButtons::YesNo},
        {"Failed to open Airport/Runway Data file Fsb_apts.txt!\nDo you want to search for it?",
         MessageKind::Warning, MessageButtons::YesNo}},
       true},
      {"the data file has a read error",
       [](TestPorts& t, RouteRequest&) { t.files.readErrorAt[kAirportPath] = {3}; },
       {Error("Error while reading from Airport/Runway Data file Fsb_apts.txt"),
        Error("Error while reading from Airport/Runway Data file Fsb_apts.txt")},
       true},
      {"neither airport is in the data file",
       [](TestPorts& t, RouteRequest&) { t.files.files[kAirportPath] = Lines({"EDDF Frankfurt 364"}); }, {}, true},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestPorts t;
    RouteRequest request = SetUpZurichGeneva(t.files);
    c.arrange(t, request);
    BuiltRoute built = BuildRoute(request, t.Route());
    EXPECT_EQ(c.built ? RouteOutcome::Built : RouteOutcome::Failed, built.outcome);
    EXPECT_TRUE(ShowedMessages(t.messages, c.messages));
    EXPECT_EQ(0, t.files.openInputs) << "no file stays open";
  }
}

TEST(RouteBuildFailures, AFreshConfigurationNamesItsPlaceholderInTheOpenFailure) {
  TestPorts t;
  const char* placeholder = "Please select a valid path and filename";
  RouteRequest request = TestRequest();
  request.sourcePath = placeholder;
  request.sourceName = placeholder;
  EXPECT_EQ(RouteOutcome::Failed, BuildRoute(request, t.Route()).outcome);
  EXPECT_TRUE(ShowedMessages(
      t.messages, {Error("Failed to open FliteStar Flightplan file Please select a valid path and filename")}));
}

TEST(RouteBuildFailures, AHeaderDifferingOnlyInCaseIsNoFliteStarExportNorAnyOtherPlan) {
  TestPorts t;
  RouteRequest request = SetUpZurichGeneva(t.files);
  t.files.files[kSourcePath] =
      "# flitestar/flitemap generated flight plan.\n" + Lines({"FPL 1", kZurichLine, kGenevaLine});
  RouteTable route{};
  EXPECT_EQ(SourceCheck::OtherKind, ValidateSourcePlan({kSourcePath, kSourceName, t.files, t.messages, nullptr}, route, nullptr));
  EXPECT_TRUE(ShowedMessages(t.messages, {}));
  EXPECT_EQ(RouteOutcome::Failed, BuildRoute(request, t.Route()).outcome);
  EXPECT_TRUE(ShowedMessages(t.messages, {Error(NoPlanOfAnyKindText("route.txt"))}));
}

TEST(RouteBuildFailures, ValidationCountsLegLinesAndKeepsTheLastNumber) {
  TestPorts t;
  SetUpZurichGeneva(t.files);
  t.files.files[kSourcePath] =
      kFliteStarHeader + Lines({"FPL 4 A B", " FPL 5", "FPLX", "fpl 6", "FPL -7", kZurichLine, kGenevaLine});
  RouteTable route{};
  EXPECT_EQ(SourceCheck::FliteStar, ValidateSourcePlan({kSourcePath, kSourceName, t.files, t.messages, nullptr}, route, nullptr));
  EXPECT_EQ(2, route.legCount);
  EXPECT_EQ(-7, route.planNumber);
}

TEST(RouteBuildFailures, AFailedBuildReturnsWhatWasReadAndLooksNoAirportUp) {
  struct ReadCase {
    const char* name;
    std::string source;
    uint32_t rowsRead;
  } cases[] = {
      {"not a plan", "not a plan\n", 0},
      {"the last item is no airport", FliteStarExport({kZurichLine, kTrasadingenLine}), 2},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestPorts t;
    RouteRequest request = SetUpZurichGeneva(t.files);
    t.files.files[kSourcePath] = c.source;
    BuiltRoute built = BuildRoute(request, t.Route());
    EXPECT_EQ(RouteOutcome::Failed, built.outcome);
    ASSERT_EQ(c.rowsRead, built.route.waypointCount);
    for (uint32_t index = 0; index < c.rowsRead; ++index) EXPECT_STRNE("", built.route.rows[index].ident);
    EXPECT_STREQ("", built.route.routeText);
    EXPECT_TRUE(built.departureRunways.entries.empty());
    EXPECT_TRUE(built.destinationRunways.entries.empty());
    const std::vector<std::string>& opened = t.files.openedForReading;
    EXPECT_EQ(0, std::count(opened.begin(), opened.end(), kAirportPath)) << "the data file is never opened";
  }
}

}  // namespace
