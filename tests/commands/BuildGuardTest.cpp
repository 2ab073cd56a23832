// The build guard of Save, Save as and Print: without a built route the command
// does not run, the user is told and a build is posted.
#include <gtest/gtest.h>

#include "commands/BuildGuard.h"
#include "commands/SaveCommands.h"
#include "ConversionFixture.h"

namespace {

constexpr const char* kGuardText = "No Route Build Process has been run yet!\nWill do this for you now!";

class BuildGuardTest : public ConversionFixture {
 protected:
  BuildGuardTest() { t.app.route.routeBuilt = false; }

  void ExpectGuardOnly() {
    ASSERT_EQ(1u, t.messages.Messages().size());
    EXPECT_EQ(kGuardText, t.messages.Messages()[0].text);
    EXPECT_EQ(MessageKind::Warning, t.messages.Messages()[0].kind);
    EXPECT_EQ(MessageButtons::Ok, t.messages.Messages()[0].buttons);
    EXPECT_EQ(std::vector<int>{kBuildButton}, t.window.postedCommands);
  }
};

TEST_F(BuildGuardTest, LetsACommandPassSilentlyOnceARouteIsBuilt) {
  t.app.route.routeBuilt = true;
  EXPECT_TRUE(PassBuildGuard(t.app));
  EXPECT_TRUE(t.messages.Messages().empty());
  EXPECT_TRUE(t.window.postedCommands.empty());
}

TEST_F(BuildGuardTest, WithoutABuiltRouteWarnsPostsABuildAndStopsTheCommand) {
  EXPECT_FALSE(PassBuildGuard(t.app));
  ExpectGuardOnly();
}

TEST_F(BuildGuardTest, SaveBeforeAnyBuildWritesNothing) {
  t.app.settings.bulkMsfs = 1;
  SaveAllPlans(t.app);
  ExpectGuardOnly();
  EXPECT_TRUE(t.files.files.empty());
  EXPECT_EQ(0, t.app.commands.bulkCount);
}

TEST_F(BuildGuardTest, SaveAsBeforeAnyBuildOpensNoDialog) {
  SavePlanAs(t.app);
  ExpectGuardOnly();
  EXPECT_TRUE(t.dialogs.Dialogs().empty());
  EXPECT_TRUE(t.files.files.empty());
}

}  // namespace
