// A dropped file taken as the source plan: the question, the ".fcf" refusal and
// the posted build.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "commands/FileDrop.h"
#include "host/PathSeparator.h"
#include "support/TestApp.h"

namespace {

constexpr const char* kRefusal =
    "Original FliteStar files not yet directly supported!!!\n"
    "Run FliteStar and export Flight plan as Generic Text format file!";
constexpr const char* kQuestion = "MS Flight Simulator Flight-Plan lszh.pln not saved yet!\nDo you want to save it?";

class FileDropTest : public ::testing::Test {
 protected:
  FileDropTest() { std::strcpy(t.app.settings.destFileName, "lszh.pln"); }
  TestApp t;
};

TEST_F(FileDropTest, DroppedPlanBecomesTheSourceAndItsBuildIsPosted) {
  t.app.route.routeBuilt = true;
  t.app.settings.showToolbar = 1;
  TakeDroppedSourcePlan(t.app, "C:\\Plans\\lsgg.txt");
  EXPECT_STREQ(t.app.settings.sourceFilePath, "C:\\Plans\\lsgg.txt");
  EXPECT_STREQ(t.app.settings.sourceFileName, "lsgg.txt");
  EXPECT_EQ(t.window.title, "PlanTransit - lsgg.txt");
  EXPECT_EQ(t.window.texts[kSourceEdit], "C:\\Plans\\lsgg.txt");
  EXPECT_EQ(t.window.postedCommands, std::vector<int>{kBuildButton});
  EXPECT_FALSE(t.window.enabledControls[kDetailsButton]);
  EXPECT_FALSE(t.window.enabledMenuItems[kPrintCommand]);
  EXPECT_FALSE(t.window.enabledToolbarButtons.at(kDetailsButton));
  EXPECT_FALSE(t.window.enabledToolbarButtons.at(kPrintCommand));
  EXPECT_TRUE(t.messages.Messages().empty());
}

TEST_F(FileDropTest, DestinationIsNamedByTheRuleUnlessTheUserChooses) {
  struct Case {
    const char* name;
    int autogenMode;
    std::string destination;
  };
  const Case cases[] = {
      {"rule 0: the source file's name", 0, std::string("C:\\Out") + kPathSeparator + "lsgg.pln"},
      {"rule 3: the destination as it stands", 3, "C:\\Old\\kept.pln"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    t.app.settings.autogenMode = c.autogenMode;
    t.app.settings.exportType = 1;
    std::strcpy(t.app.settings.defaultDestDir, "C:\\Out");
    std::strcpy(t.app.settings.destFilePath, "C:\\Old\\kept.pln");
    std::strcpy(t.app.settings.destFileName, "kept.pln");
    TakeDroppedSourcePlan(t.app, "C:\\Plans\\lsgg.txt");
    EXPECT_EQ(t.window.texts[kDestinationEdit], c.destination);
  }
}

TEST_F(FileDropTest, FliteStarOriginalIsRefusedAndNothingChanges) {
  std::strcpy(t.app.settings.sourceFilePath, "C:\\Plans\\old.txt");
  TakeDroppedSourcePlan(t.app, "C:\\Plans\\lsgg.fcf");
  ASSERT_EQ(t.messages.Messages().size(), 1u);
  EXPECT_EQ(t.messages.Messages()[0].text, kRefusal);
  EXPECT_EQ(t.messages.Messages()[0].kind, MessageKind::Warning);
  EXPECT_STREQ(t.app.settings.sourceFilePath, "C:\\Plans\\old.txt");
  EXPECT_TRUE(t.window.postedCommands.empty());
}

TEST_F(FileDropTest, UnsavedPlanIsAskedAboutFirst) {
  struct Case {
    const char* name;
    MessageAnswer answer;
    std::vector<int> sent;
    bool adopted;
  };
  const Case cases[] = {
      {"Yes saves, then takes the plan", MessageAnswer::Yes, {kSaveCommand}, true},
      {"No takes the plan unsaved", MessageAnswer::No, {}, true},
      {"Cancel keeps everything", MessageAnswer::Cancel, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    std::strcpy(t.app.settings.destFileName, "lszh.pln");
    t.app.route.routeBuilt = true;
    t.app.route.routeUnsaved = true;
    t.messages.Answer(c.answer);
    TakeDroppedSourcePlan(t.app, "C:\\Plans\\lsgg.txt");
    ASSERT_FALSE(t.messages.Messages().empty());
    EXPECT_EQ(t.messages.Messages()[0].text, kQuestion);
    EXPECT_EQ(t.messages.Messages()[0].kind, MessageKind::Question);
    EXPECT_EQ(t.messages.Messages()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(t.window.sentCommands, c.sent);
    EXPECT_EQ(t.window.postedCommands.size(), c.adopted ? 1u : 0u);
    EXPECT_EQ(t.app.route.routeUnsaved, !c.adopted);
  }
}

TEST_F(FileDropTest, EmptyPathDoesNothing) {
  TakeDroppedSourcePlan(t.app, "");
  EXPECT_TRUE(t.window.postedCommands.empty());
  EXPECT_TRUE(t.messages.Messages().empty());
}

}  // namespace
