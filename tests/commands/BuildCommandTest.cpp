// Build from the main window: what a built route shows there, what a failed build
// leaves, the commands that need a built route, and the guard that runs a build
// before them.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/BuildCommand.h"
#include "commands/SaveCommands.h"
#include "ConversionFixture.h"
#include "support/NoPlanMessage.h"
#include "support/TestPlans.h"

namespace {

using Entries = std::vector<std::string>;

constexpr const char* kNotFound = "Not found in Airport/Runway Data file!";
constexpr const char* kSearchQuestion =
    "Failed to open Airport/Runway Data file Fsb_apts.txt!\nDo you want to search for it?";

RecordedMessage Error(const std::string& text) { return {text, MessageKind::Error, MessageButtons::Ok}; }

// The Zurich-Geneva source and data file, the naming rule by idents, a toolbar,
// and a destination from an earlier plan.
void Prepare(TestSession& t) {
  SetUpZurichGeneva(t);
  ProgramSettings& settings = t.session.settings;
  settings.autogenMode = 1;
  settings.exportType = 1;
  settings.showToolbar = 1;
  std::snprintf(settings.defaultDestDir, kPathSize, "Flights");
  std::snprintf(settings.destFilePath, kPathSize, "previous%cplan.pln", kPathSeparator);
  std::snprintf(settings.destFileName, kPathSize, "plan.pln");
}

// Details, Print and their toolbar buttons all enabled.
void ExpectRouteCommandsEnabled(TestSession& t) {
  EXPECT_TRUE(t.window.enabledControls[kDetailsButton]);
  EXPECT_TRUE(t.window.enabledMenuItems[kPrintCommand]);
  EXPECT_TRUE(t.window.enabledToolbarButtons[kDetailsButton]);
  EXPECT_TRUE(t.window.enabledToolbarButtons[kPrintCommand]);
}

TEST(BuildPlan, ShowsTheBuiltRouteWithItsRunwaysAndEnablesTheRouteCommands) {
  TestSession t;
  Prepare(t);
  BuildPlan(t.session);
  EXPECT_TRUE(ShowedMessages(t.messages, {}));
  EXPECT_TRUE(t.session.routeBuilt);
  EXPECT_TRUE(t.session.routeUnsaved);
  EXPECT_EQ(3u, t.session.route.waypointCount);
  const std::pair<int, std::string> texts[] = {
      {kRouteEdit, "LSZH-TRA-LSGG"},    {kCruiseAltitudeStatic, "5500"},  {kDepartureIdentStatic, "LSZH"},
      {kDestinationIdentStatic, "LSGG"}, {kDepartureNameStatic, "Zurich"}, {kDestinationNameStatic, "Geneva"},
  };
  for (const auto& [id, text] : texts) EXPECT_EQ(text, t.window.texts[id]) << "control " << id;
  struct ListCase {
    int listId;
    Entries entries;
    const RunwayChoice& choice;
  };
  const ListCase lists[] = {
      {kDepartureRunwayList, {"16 12139 ", "28 8202 ", "34 11155 "}, t.session.departureRunway},
      {kLandingRunwayList, {"05 12795 ", "23 12795 "}, t.session.destinationRunway},
  };
  for (const ListCase& list : lists) {
    SCOPED_TRACE("list " + std::to_string(list.listId));
    const FakeWindow::SortedList& shown = t.window.lists[list.listId];
    EXPECT_EQ(list.entries, shown.entries);
    EXPECT_EQ(0, shown.selection);
    EXPECT_TRUE(shown.redraw);
    EXPECT_EQ(list.entries[0], t.window.texts[list.listId]);
    EXPECT_EQ(list.entries[0], list.choice.text);
  }
  ExpectRouteCommandsEnabled(t);

  // A second build replaces what the first showed: no list keeps the old entries.
  const std::map<int, std::string> textsOfFirstBuild = t.window.texts;
  BuildPlan(t.session);
  EXPECT_EQ(textsOfFirstBuild, t.window.texts);
  for (const ListCase& list : lists) EXPECT_EQ(list.entries, t.window.lists[list.listId].entries);
}

// The first entry of a list is proposed as the runway only when it fits the
// runway text; a list without entries, or with a longer first entry, proposes
// none, whatever runway was chosen before.
TEST(BuildPlan, ProposesTheFirstRunwayThatFitsAndNeverKeepsAnEarlierOne) {
  struct Case {
    const char* name;
    std::string zurichLine;
    std::string departureName;
    Entries entries;
    std::string runway;
  };
  const Case cases[] = {
      {"no runway fields", "LSZH Zurich 1416 CH 47.458", "Zurich", {}, ""},
      {"no line for the airport", "", kNotFound, {}, ""},
      {"a first entry of thirty characters", "LSZH Zurich 1416 CH 47.458 123456789_123456789_123456789", "Zurich",
       {"123456789 123456789 123456789 "}, "123456789 123456789 123456789 "},
      // Earlier versions kept the runway stored before; it belonged to another plan.
      {"a first entry of thirty-one characters", "LSZH Zurich 1416 CH 47.458 123456789_123456789_1234567890",
       "Zurich", {"123456789 123456789 1234567890 "}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestSession s;
    Prepare(s);
    s.files.files[kAirportPath] =
        c.zurichLine.empty() ? Lines({kGenevaAirport}) : Lines({c.zurichLine, kGenevaAirport});
    std::snprintf(s.session.departureRunway.text, sizeof s.session.departureRunway.text, "%s", kZurichRunway);
    BuildPlan(s.session);
    ASSERT_TRUE(s.session.routeBuilt);
    EXPECT_EQ(c.departureName, s.window.texts[kDepartureNameStatic]);
    const FakeWindow::SortedList& shown = s.window.lists[kDepartureRunwayList];
    EXPECT_EQ(c.entries, shown.entries);
    EXPECT_TRUE(shown.redraw);
    EXPECT_EQ(c.entries.empty() ? -1 : 0, shown.selection);
    if (!c.entries.empty()) {
      EXPECT_EQ(c.entries[0], s.window.texts[kDepartureRunwayList]);
    }
    EXPECT_EQ(c.runway, s.session.departureRunway.text);
    EXPECT_STREQ("05 12795 ", s.session.destinationRunway.text);
  }
}

TEST(BuildPlan, ShowsTheRouteAndTheCruisingAltitudeTruncatedWithinTheIntegerRange) {
  struct Case {
    const char* name;
    const char* middleLine;  // null: none
    const char* routeText;
    const char* altitude;
  };
  const Case cases[] = {
      {"a fraction is cut toward zero", "FWP W V TRA N 47 41.35 E 8 26.22 4500.9", "LSZH-TRA-LSGG", "4500"},
      {"two airports only", nullptr, "LSZH-LSGG", "0"},
      {"an absurd altitude", "FWP W V HIGH N 47 1.0 E 8 1.0 1e300", "LSZH-HIGH-LSGG", "2147483647"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestSession s;
    Prepare(s);
    std::vector<std::string> lines = {kZurichLine};
    if (c.middleLine != nullptr) lines.push_back(c.middleLine);
    lines.push_back(kGenevaLine);
    s.files.files[kSourcePath] = FliteStarExport(lines);
    BuildPlan(s.session);
    ASSERT_TRUE(s.session.routeBuilt);
    EXPECT_EQ(c.routeText, s.window.texts[kRouteEdit]);
    EXPECT_EQ(c.altitude, s.window.texts[kCruiseAltitudeStatic]);
  }
}

TEST(BuildPlan, ShowsBusyFeedbackWhileTheFileIsWorkedOnAndStatusTextOnlyOnAVisibleBar) {
  struct Case {
    const char* name;
    bool statusBarVisible;
    std::vector<std::string> statusTexts;
  };
  const Case cases[] = {
      // The validation ends the feedback too, before the build starts it.
      {"status bar shown", true, {"", "Building WP Table and Runway Information", ""}},
      {"status bar hidden", false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestSession s;
    Prepare(s);
    s.window.statusBarVisible = c.statusBarVisible;
    BuildPlan(s.session);
    ASSERT_TRUE(s.session.routeBuilt);
    EXPECT_EQ(c.statusTexts, s.window.statusTexts);
    EXPECT_EQ(1, s.window.busyStarts);
    EXPECT_EQ(2, s.window.busyStops);
  }
}

TEST(BuildPlan, NamesTheDestinationByTheRuleAndShowsIt) {
  struct Case {
    const char* name;
    int rule;
    std::string path;
    const char* fileName;
  };
  const Case cases[] = {
      {"rule 1: the idents", 1, std::string("Flights") + kPathSeparator + "LSZH-LSGG.pln", "LSZH-LSGG.pln"},
      {"rule 3: the destination as it stands", 3, std::string("previous") + kPathSeparator + "plan.pln", "plan.pln"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestSession s;
    Prepare(s);
    s.session.settings.autogenMode = c.rule;
    BuildPlan(s.session);
    EXPECT_EQ(c.path, s.session.settings.destFilePath);
    EXPECT_STREQ(c.fileName, s.session.settings.destFileName);
    EXPECT_EQ(c.path, s.window.texts[kDestinationEdit]);
  }
}

TEST(BuildPlan, ADataFileTheUserSearchedForBecomesTheConfiguredOne) {
  struct Case {
    const char* name;
    bool searched;
    std::vector<RecordedMessage> questions;
    const char* path;
    const char* fileName;
    const char* departureName;
  };
  const RecordedMessage question = {kSearchQuestion, MessageKind::Warning, MessageButtons::YesNo};
  const Case cases[] = {
      {"another file picked", true, {question}, "D:\\Other\\apts.txt", "apts.txt", "Zurich"},
      {"the search declined", false, {question, question}, kAirportPath, kAirportName,
       "Error reading Airport/Runway Data file!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestSession s;
    Prepare(s);
    s.files.files.erase(kAirportPath);
    s.files.files["D:\\Other\\apts.txt"] = Lines({kZurichAirport, kGenevaAirport});
    if (c.searched) {
      s.messages.Answer(MessageAnswer::Yes);
      s.dialogs.Choose("D:\\Other\\apts.txt", "apts.txt");
    } else {
      s.messages.Answer(MessageAnswer::No);
      s.messages.Answer(MessageAnswer::No);
    }
    BuildPlan(s.session);
    EXPECT_TRUE(s.session.routeBuilt);
    EXPECT_TRUE(ShowedMessages(s.messages, c.questions));
    EXPECT_STREQ(c.path, s.session.settings.airportFilePath);
    EXPECT_STREQ(c.fileName, s.session.settings.airportFileName);
    EXPECT_EQ(c.departureName, s.window.texts[kDepartureNameStatic]);
  }
}

// After a built route, a failed build clears the route fields but leaves the
// airports, the destination, the runways chosen and the route commands, and
// keeps what it read of the source.
TEST(BuildPlan, AFailedBuildClearsTheRouteFieldsAndLeavesTheRestAsItWas) {
  struct Case {
    const char* name;
    void (*arrange)(TestSession&);
    RecordedMessage problem;
    uint32_t rowsRead;
    const char* firstIdent;
  };
  const Case cases[] = {
      {"a file that is no FliteStar export", [](TestSession& s) { s.files.files[kSourcePath] = "not an export\n"; },
       Error(NoPlanOfAnyKindText("route.txt")), 0, ""},
      {"no source file name", [](TestSession& s) { s.session.settings.sourceFilePath[0] = '\0'; },
       Error("No FliteStar Flightplan Filename supplied!"), 0, ""},
      {"a route that does not start at an airport",
       [](TestSession& s) { s.files.files[kSourcePath] = FliteStarExport({kTrasadingenLine, kGenevaLine}); },
       Error("The first and last items in the plan must be airports in FliteStar Flightplan file route.txt"), 2,
       "TRA"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestSession s;
    Prepare(s);
    BuildPlan(s.session);
    ASSERT_TRUE(s.session.routeBuilt);
    std::map<int, std::string> textsAfterSuccess = s.window.texts;

    c.arrange(s);
    BuildPlan(s.session);
    EXPECT_TRUE(ShowedMessages(s.messages, {c.problem,
                                            {"Failed to build Flight-Plan from file route.txt", MessageKind::Warning,
                                             MessageButtons::Ok}}));
    EXPECT_FALSE(s.session.routeBuilt);
    EXPECT_TRUE(s.session.routeUnsaved);
    for (int id : {kDepartureIdentStatic, kDestinationIdentStatic, kDepartureNameStatic, kDestinationNameStatic,
                   kDestinationEdit}) {
      EXPECT_EQ(textsAfterSuccess[id], s.window.texts[id]) << "control " << id;
    }
    EXPECT_STREQ("16 12139 ", s.session.departureRunway.text);
    EXPECT_STREQ("05 12795 ", s.session.destinationRunway.text);
    ExpectRouteCommandsEnabled(s);
    EXPECT_TRUE(s.window.lists[kDepartureRunwayList].entries.empty());
    EXPECT_TRUE(s.window.lists[kLandingRunwayList].entries.empty());
    EXPECT_EQ("", s.window.texts[kRouteEdit]);
    EXPECT_EQ("N/A", s.window.texts[kCruiseAltitudeStatic]);
    EXPECT_GE(s.window.busyStops, s.window.busyStarts) << "the busy feedback does not stay on";
    EXPECT_EQ(c.rowsRead, s.session.route.waypointCount);
    EXPECT_STREQ(c.firstIdent, s.session.route.rows[0].ident);
    EXPECT_STREQ("", s.session.route.routeText);
  }
}

TEST(SetRouteCommandsEnabled, SwitchesDetailsAndPrintAndTheirToolbarButtonsOnlyWhileTheToolbarIsShown) {
  for (bool enabled : {false, true}) {
    for (int showToolbar : {0, 1}) {
      SCOPED_TRACE(std::string(enabled ? "enabling" : "disabling") + (showToolbar ? " with" : " without") +
                   " a toolbar");
      TestSession t;
      t.session.settings.showToolbar = showToolbar;
      SetRouteCommandsEnabled(t.session, enabled);
      ASSERT_EQ(1u, t.window.enabledControls.count(kDetailsButton));
      EXPECT_EQ(enabled, t.window.enabledControls[kDetailsButton]);
      ASSERT_EQ(1u, t.window.enabledMenuItems.count(kPrintCommand));
      EXPECT_EQ(enabled, t.window.enabledMenuItems[kPrintCommand]);
      if (showToolbar == 0) {
        EXPECT_TRUE(t.window.enabledToolbarButtons.empty());
        continue;
      }
      ASSERT_EQ(2u, t.window.enabledToolbarButtons.size());
      EXPECT_EQ(enabled, t.window.enabledToolbarButtons[kDetailsButton]);
      EXPECT_EQ(enabled, t.window.enabledToolbarButtons[kPrintCommand]);
    }
  }
}

// The build guard of Save, Save as and Print: without a built route the command
// does not run, the user is told and a build is posted.
constexpr const char* kGuardText = "No Route Build Process has been run yet!\nWill do this for you now!";

class BuildGuardTest : public ConversionFixture {
 protected:
  BuildGuardTest() { t.session.routeBuilt = false; }

  void ExpectGuardOnly() {
    ASSERT_EQ(1u, t.messages.Messages().size());
    EXPECT_EQ(kGuardText, t.messages.Messages()[0].text);
    EXPECT_EQ(MessageKind::Warning, t.messages.Messages()[0].kind);
    EXPECT_EQ(MessageButtons::Ok, t.messages.Messages()[0].buttons);
    EXPECT_EQ(std::vector<int>{kBuildButton}, t.window.postedCommands);
  }
};

TEST_F(BuildGuardTest, LetsACommandPassSilentlyOnceARouteIsBuilt) {
  t.session.routeBuilt = true;
  EXPECT_TRUE(PassBuildGuard(t.session));
  EXPECT_TRUE(t.messages.Messages().empty());
  EXPECT_TRUE(t.window.postedCommands.empty());
}

TEST_F(BuildGuardTest, WithoutABuiltRouteWarnsPostsABuildAndStopsTheCommand) {
  EXPECT_FALSE(PassBuildGuard(t.session));
  ExpectGuardOnly();
}

TEST_F(BuildGuardTest, SaveBeforeAnyBuildWritesNothing) {
  Switch("msfs") = 1;
  SaveAllPlans(t.session);
  ExpectGuardOnly();
  EXPECT_TRUE(t.files.files.empty());
  EXPECT_EQ(0, t.session.commands.bulkCount);
}

TEST_F(BuildGuardTest, SaveAsBeforeAnyBuildOpensNoDialog) {
  SavePlanAs(t.session);
  ExpectGuardOnly();
  EXPECT_TRUE(t.dialogs.Dialogs().empty());
  EXPECT_TRUE(t.files.files.empty());
}

}  // namespace
