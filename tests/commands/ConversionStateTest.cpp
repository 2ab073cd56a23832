// How Open, Build and the writers move `routeBuilt`, `routeUnsaved` and the
// commands that need a built route (Details, Print and their toolbar buttons).
#include <string>

#include <gtest/gtest.h>

#include "commands/BuildCommand.h"
#include "commands/OpenCommand.h"
#include "commands/SaveCommands.h"
#include "host/PathSeparator.h"
#include "support/TestPlans.h"

namespace {

class ConversionStateTest : public ::testing::Test {
 protected:
  ConversionStateTest() {
    SetUpZurichGeneva(t);
    ProgramSettings& s = t.app.settings;
    s.showToolbar = 1;
    s.autogenMode = 1;
    s.exportType = 1;
    std::snprintf(s.defaultDestDir, kPathSize, "Flights");
    std::snprintf(s.msfsDir, kPathSize, "msfs");
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
    OpenPlan(t.app);
  }

  TestApp t;
};

TEST_F(ConversionStateTest, StartsWithNothingBuiltAndNothingUnsaved) {
  App app{};
  EXPECT_FALSE(app.route.routeBuilt);
  EXPECT_FALSE(app.route.routeUnsaved);
  EXPECT_FALSE(app.commands.destinationEdited);
  EXPECT_EQ(0, app.commands.bulkCount);
}

TEST_F(ConversionStateTest, OpenClearsUnsavedDisablesTheRouteCommandsAndPostsTheBuild) {
  t.app.route.routeBuilt = true;
  t.app.route.routeUnsaved = false;
  OpenSource();
  EXPECT_TRUE(t.app.route.routeBuilt);
  EXPECT_FALSE(t.app.route.routeUnsaved);
  ExpectRouteCommands(false);
  EXPECT_EQ(std::vector<int>{kBuildButton}, t.window.postedCommands);
  EXPECT_EQ(kSourcePath, t.window.texts[kSourceEdit]);
  EXPECT_TRUE(t.messages.Messages().empty());
}

TEST_F(ConversionStateTest, OpenNamesTheDestinationByTheRuleUnlessItIsNone) {
  OpenSource();
  // No route yet: the rule keeps the name it has.
  EXPECT_EQ(std::string("Flights") + kPathSeparator + t.app.settings.destFileName,
            t.window.texts[kDestinationEdit]);

  t.app.settings.autogenMode = 3;
  std::snprintf(t.app.settings.destFilePath, kPathSize, "kept.pln");
  OpenSource();
  EXPECT_EQ("kept.pln", t.window.texts[kDestinationEdit]);
}

TEST_F(ConversionStateTest, OpenLeavesTheToolbarAloneWhenItIsOff) {
  t.app.settings.showToolbar = 0;
  OpenSource();
  EXPECT_TRUE(t.window.enabledToolbarButtons.empty());
  EXPECT_FALSE(t.window.enabledControls[kDetailsButton]);
}

TEST_F(ConversionStateTest, ACancelledOpenChangesNothing) {
  t.app.route.routeUnsaved = true;
  t.messages.Answer(MessageAnswer::No);
  t.dialogs.Cancel();
  OpenPlan(t.app);
  EXPECT_TRUE(t.app.route.routeUnsaved);
  EXPECT_TRUE(t.window.postedCommands.empty());
  EXPECT_EQ(0u, t.window.texts.count(kSourceEdit));
}

TEST_F(ConversionStateTest, ASuccessfulBuildSetsBuiltAndUnsavedAndEnablesTheRouteCommands) {
  BuildPlan(t.app);
  EXPECT_TRUE(t.app.route.routeBuilt);
  EXPECT_TRUE(t.app.route.routeUnsaved);
  ExpectRouteCommands(true);
  EXPECT_TRUE(t.messages.Messages().empty());
}

TEST_F(ConversionStateTest, AFailedBuildClearsBuiltKeepsUnsavedAndAddsItsMessage) {
  BuildPlan(t.app);
  t.files.files[kSourcePath] = "not an export\n";
  BuildPlan(t.app);
  EXPECT_FALSE(t.app.route.routeBuilt);
  EXPECT_TRUE(t.app.route.routeUnsaved);
  ExpectRouteCommands(true);
  ASSERT_EQ(2u, t.messages.Messages().size());
  EXPECT_EQ("route.txt is not a valid FliteStar Flightplan file!", t.messages.Texts()[0]);
  EXPECT_EQ("Failed to build Flight-Plan from file route.txt", t.messages.Texts()[1]);
  EXPECT_EQ(MessageKind::Warning, t.messages.Messages()[1].kind);
  EXPECT_EQ(MessageButtons::Ok, t.messages.Messages()[1].buttons);
}

TEST_F(ConversionStateTest, ASuccessfulWriterClearsUnsavedOnly) {
  BuildPlan(t.app);
  t.app.settings.bulkMsfs = 1;
  SaveAllPlans(t.app);
  EXPECT_TRUE(t.app.route.routeBuilt);
  EXPECT_FALSE(t.app.route.routeUnsaved);
  ExpectRouteCommands(true);
}

}  // namespace
