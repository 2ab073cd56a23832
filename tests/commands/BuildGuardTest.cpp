// The build guard shared by Save, Save as and Print.
#include <gtest/gtest.h>

#include "commands/BuildGuard.h"
#include "support/TestApp.h"

namespace {

TEST(BuildGuard, BeforeAnyBuildWarnsPostsBuildAndStopsTheCommand) {
  TestApp t;
  EXPECT_FALSE(PassBuildGuard(t.app));
  ASSERT_EQ(t.messages.Messages().size(), 1u);
  EXPECT_EQ(t.messages.Messages()[0].text, "No Route Build Process has been run yet!\nWill do this for you now!");
  EXPECT_EQ(t.messages.Messages()[0].kind, MessageKind::Warning);
  EXPECT_EQ(t.messages.Messages()[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(t.window.postedCommands, std::vector<int>{kBuildButton});
}

TEST(BuildGuard, AfterABuildLetsTheCommandRunSilently) {
  TestApp t;
  t.app.route.routeBuilt = true;
  EXPECT_TRUE(PassBuildGuard(t.app));
  EXPECT_TRUE(t.messages.Messages().empty());
  EXPECT_TRUE(t.window.postedCommands.empty());
}

}  // namespace
