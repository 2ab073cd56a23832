// Every row of the build's failure table: the message with its icon and buttons,
// and whether the build goes on or fails.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/RouteBuild.h"
#include "route/SourceValidation.h"
#include "support/TestPlans.h"

namespace {

std::vector<std::string> WaypointLines(int count) {
  std::vector<std::string> lines = {kZurichLine};
  for (int i = 1; i + 1 < count; ++i) lines.push_back("FWP W V V" + std::to_string(i) + " N 47 1.0 E 8 1.0 3000");
  lines.push_back(kGenevaLine);
  return lines;
}

RecordedMessage Error(const std::string& text) { return {text, MessageKind::Error, MessageButtons::Ok}; }
RecordedMessage Warning(const std::string& text) { return {text, MessageKind::Warning, MessageButtons::Ok}; }

struct FailureCase {
  const char* name;
  std::function<void(TestApp&)> arrange;
  std::vector<RecordedMessage> messages;
  bool built;
};

TEST(RouteBuildFailures, ShowEachMessageWithItsIconAndEndTheBuildAsTheyShould) {
  const FailureCase cases[] = {
      {"no source file name",
       [](TestApp& t) { t.app.settings.sourceFilePath[0] = '\0'; },
       {Error("No FliteStar Flightplan Filename supplied!")}, false},
      {"the source cannot be opened for the validation",
       [](TestApp& t) { t.files.files.erase(kSourcePath); },
       {Error("Failed to open FliteStar Flightplan file route.txt")}, false},
      {"the source cannot be opened again for the build",
       [](TestApp& t) { t.files.openFailsFrom[kSourcePath] = 2; },
       {Error("Failed to open FliteStar Flightplan file route.txt")}, false},
      {"a read error in the first line",
       [](TestApp& t) { t.files.readErrorAt[kSourcePath] = {5}; },
       {Error("Error while reading from FliteStar Flightplan file route.txt")}, false},
      {"a read error after the header, while the legs are counted",
       [](TestApp& t) { t.files.readErrorAt[kSourcePath] = {std::string(kFliteStarHeader).size() + 3}; },
       {Error("Error while reading from FliteStar Flightplan file route.txt")}, false},
      {"a read error while the waypoints are read",
       [](TestApp& t) { t.files.readErrorAt[kSourcePath] = {60, 2}; },
       {Error("Error while reading from FliteStar Flightplan file route.txt")}, false},
      {"the first line is not the header",
       [](TestApp& t) { t.files.files[kSourcePath] = "# Some other plan\n" + Lines({"FPL 1", kZurichLine, kGenevaLine}); },
       {Error("route.txt is not a valid FliteStar Flightplan file!")}, false},
      {"an empty source file",
       [](TestApp& t) { t.files.files[kSourcePath] = ""; },
       {Error("route.txt is not a valid FliteStar Flightplan file!")}, false},
      {"no leg line",
       [](TestApp& t) { t.files.files[kSourcePath] = kFliteStarHeader + Lines({kZurichLine, kGenevaLine}); },
       {Error("No valid Leg's found in FliteStar Flightplan file route.txt")}, false},
      {"two leg lines",
       [](TestApp& t) {
         t.files.files[kSourcePath] = kFliteStarHeader + Lines({"FPL 1", kZurichLine, "FPL 2", kGenevaLine});
       },
       {Warning("More than 1 Leg in FliteStar Flightplan file route.txt")}, true},
      {"a 33rd waypoint line",
       [](TestApp& t) { t.files.files[kSourcePath] = FliteStarExport(WaypointLines(33)); },
       {Error("Maximum Nbr. of MS FS Waypoint's reached in FliteStar Flightplan file route.txt"),
        Error("The first and last items in the plan must be airports in FliteStar Flightplan file route.txt")},
       false},
      {"no waypoint line",
       [](TestApp& t) { t.files.files[kSourcePath] = FliteStarExport({}); },
       {Error("No valid Waypoint's found in FliteStar Flightplan file route.txt")}, false},
      {"exactly one waypoint line",
       [](TestApp& t) { t.files.files[kSourcePath] = FliteStarExport({kZurichLine}); },
       {Error("Need at least 2 items in FliteStar Flightplan file route.txt")}, false},
      {"the first item is no airport",
       [](TestApp& t) { t.files.files[kSourcePath] = FliteStarExport({kTrasadingenLine, kGenevaLine}); },
       {Error("The first and last items in the plan must be airports in FliteStar Flightplan file route.txt")},
       false},
      {"the last item is no airport",
       [](TestApp& t) { t.files.files[kSourcePath] = FliteStarExport({kZurichLine, kTrasadingenLine}); },
       {Error("The first and last items in the plan must be airports in FliteStar Flightplan file route.txt")},
       false},
      {"the data file cannot be opened",
       [](TestApp& t) {
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
       [](TestApp& t) { t.files.readErrorAt[kAirportPath] = {3}; },
       {Error("Error while reading from Airport/Runway Data file Fsb_apts.txt"),
        Error("Error while reading from Airport/Runway Data file Fsb_apts.txt")},
       true},
      {"neither airport is in the data file",
       [](TestApp& t) { t.files.files[kAirportPath] = Lines({"EDDF Frankfurt 364"}); }, {}, true},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    SetUpZurichGeneva(t);
    c.arrange(t);
    EXPECT_EQ(c.built, BuildRoute(t.app));
    EXPECT_TRUE(ShowedMessages(t.messages, c.messages));
    EXPECT_EQ(c.built, t.app.route.routeUnsaved);
    EXPECT_EQ(c.built, t.window.enabledControls[kDetailsButton]);
    EXPECT_EQ(0, t.files.openInputs) << "no file stays open";
  }
}

TEST(RouteBuildFailures, AFreshConfigurationNamesItsPlaceholderInTheOpenFailure) {
  TestApp t;
  std::snprintf(t.app.settings.sourceFilePath, kPathSize, "Please select a valid path and filename");
  std::snprintf(t.app.settings.sourceFileName, kPathSize, "Please select a valid path and filename");
  EXPECT_FALSE(BuildRoute(t.app));
  EXPECT_TRUE(ShowedMessages(
      t.messages, {Error("Failed to open FliteStar Flightplan file Please select a valid path and filename")}));
}

TEST(RouteBuildFailures, AHeaderDifferingOnlyInCaseIsNotValid) {
  TestApp t;
  SetUpZurichGeneva(t);
  t.files.files[kSourcePath] = "# flitestar/flitemap generated flight plan.\n" + Lines({"FPL 1", kZurichLine, kGenevaLine});
  EXPECT_FALSE(ValidateSourcePlan(t.app));
  EXPECT_TRUE(ShowedMessages(t.messages, {Error("route.txt is not a valid FliteStar Flightplan file!")}));
}

TEST(RouteBuildFailures, ValidationCountsLegLinesAndKeepsTheLastNumber) {
  TestApp t;
  SetUpZurichGeneva(t);
  t.files.files[kSourcePath] =
      kFliteStarHeader + Lines({"FPL 4 A B", " FPL 5", "FPLX", "fpl 6", "FPL -7", kZurichLine, kGenevaLine});
  EXPECT_TRUE(ValidateSourcePlan(t.app));
  EXPECT_EQ(2, t.app.route.legCount);
  EXPECT_EQ(-7, t.app.route.planNumber);
}

TEST(RouteBuildFailures, AFailedBuildKeepsTheWindowsAirportFieldsAndClearsTheRouteFields) {
  TestApp t;
  SetUpZurichGeneva(t);
  t.app.settings.autogenMode = 1;
  ASSERT_TRUE(BuildRoute(t.app));
  std::map<int, std::string> textsAfterSuccess = t.window.texts;
  uint32_t countAfterSuccess = t.app.route.waypointCount;
  t.files.files[kSourcePath] = "not a plan\n";
  EXPECT_FALSE(BuildRoute(t.app));
  for (int id : {kDepartureIdentStatic, kDestinationIdentStatic, kDepartureNameStatic, kDestinationNameStatic,
                 kDestinationEdit}) {
    EXPECT_EQ(textsAfterSuccess[id], t.window.texts[id]) << "control " << id;
  }
  EXPECT_TRUE(t.window.enabledControls[kDetailsButton]);
  EXPECT_TRUE(t.window.enabledMenuItems[kPrintCommand]);
  EXPECT_TRUE(t.app.route.routeUnsaved);
  EXPECT_EQ("", t.window.texts[kRouteEdit]);
  EXPECT_EQ("N/A", t.window.texts[kCruiseAltitudeStatic]);
  EXPECT_TRUE(t.window.lists[kDepartureRunwayList].entries.empty());
  EXPECT_TRUE(t.window.lists[kLandingRunwayList].entries.empty());
  EXPECT_STREQ("", t.app.route.routeText);
  EXPECT_EQ(countAfterSuccess, t.app.route.waypointCount) << "the count is not the build's to clear";
  EXPECT_STREQ("", t.app.route.rows[0].ident);
  EXPECT_STREQ("16 12139 ", t.app.route.departureRunway);
}

}  // namespace
