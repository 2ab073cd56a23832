// How Open and the writers move `routeBuilt`, `routeUnsaved` and the commands
// that need a built route (Details, Print and their toolbar buttons); what a
// build does to them is in BuildCommandTest.
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "commands/BuildCommand.h"
#include "commands/SaveCommands.h"
#include "commands/SourceCommands.h"
#include "host/Paths.h"
#include "support/TestPlans.h"
#include "support/TestSession.h"
#include "writers/FormatRegistry.h"

namespace {

class ConversionStateTest : public ::testing::Test {
 protected:
  ConversionStateTest() {
    SetUpZurichGeneva(t);
    ProgramSettings& s = t.session.settings;
    s.showToolbar = 1;
    s.autogenMode = 1;
    s.exportType = 1;
    std::snprintf(s.defaultDestDir, kPathSize, "Flights");
    std::snprintf(BulkFolder(s, *FindExportTypeByKey("msfs")), kPathSize, "msfs");
    t.window.checked[kVfrRadio] = true;
    t.window.checked[kVorToVorRadio] = true;
  }

  // Details, Print and their toolbar buttons all enabled (true) or all disabled.
  void ExpectRouteCommands(bool enabled) {
    EXPECT_EQ(enabled, t.window.enabledControls[kDetailsButton]);
    EXPECT_EQ(enabled, t.window.enabledMenuItems[kPrintCommand]);
    EXPECT_EQ(enabled, t.window.enabledToolbarButtons[kDetailsButton]);
    EXPECT_EQ(enabled, t.window.enabledToolbarButtons[kPrintCommand]);
  }

  void OpenSource() {
    t.dialogs.Choose(kSourcePath, kSourceName);
    OpenPlan(t.session);
  }

  TestSession t;
};

TEST_F(ConversionStateTest, StartsWithNothingBuiltAndNothingUnsaved) {
  Session session{};
  EXPECT_FALSE(session.routeBuilt);
  EXPECT_FALSE(session.routeUnsaved);
  EXPECT_FALSE(session.commands.destinationEdited);
  EXPECT_EQ(0, session.commands.bulkCount);
}

TEST_F(ConversionStateTest, OpenClearsUnsavedDisablesTheRouteCommandsAndPostsTheBuild) {
  t.session.routeBuilt = true;
  t.session.routeUnsaved = false;
  OpenSource();
  EXPECT_TRUE(t.session.routeBuilt);
  EXPECT_FALSE(t.session.routeUnsaved);
  ExpectRouteCommands(false);
  EXPECT_EQ(std::vector<int>{kBuildButton}, t.window.postedCommands);
  EXPECT_EQ(kSourcePath, t.window.texts[kSourceEdit]);
  EXPECT_TRUE(t.messages.Messages().empty());
}

TEST_F(ConversionStateTest, OpenNamesTheDestinationByTheRuleUnlessItIsNone) {
  OpenSource();
  // No route yet: the rule keeps the name it has.
  EXPECT_EQ(std::string("Flights") + kPathSeparator + t.session.settings.destFileName,
            t.window.texts[kDestinationEdit]);

  t.session.settings.autogenMode = 3;
  std::snprintf(t.session.settings.destFilePath, kPathSize, "kept.pln");
  OpenSource();
  EXPECT_EQ("kept.pln", t.window.texts[kDestinationEdit]);
}

TEST_F(ConversionStateTest, OpenLeavesTheToolbarAloneWhenItIsOff) {
  t.session.settings.showToolbar = 0;
  OpenSource();
  EXPECT_TRUE(t.window.enabledToolbarButtons.empty());
  EXPECT_FALSE(t.window.enabledControls[kDetailsButton]);
}

TEST_F(ConversionStateTest, ACancelledOpenChangesNothing) {
  t.session.routeUnsaved = true;
  t.messages.Answer(MessageAnswer::No);
  t.dialogs.Cancel();
  OpenPlan(t.session);
  EXPECT_TRUE(t.session.routeUnsaved);
  EXPECT_TRUE(t.window.postedCommands.empty());
  EXPECT_EQ(0u, t.window.texts.count(kSourceEdit));
}

TEST_F(ConversionStateTest, ASuccessfulWriterClearsUnsavedOnly) {
  BuildPlan(t.session);
  BulkSwitch(t.session.settings, *FindExportTypeByKey("msfs")) = 1;
  SaveAllPlans(t.session);
  EXPECT_TRUE(t.session.routeBuilt);
  EXPECT_FALSE(t.session.routeUnsaved);
  ExpectRouteCommands(true);
}

}  // namespace
