// The unsaved-plan question before Open, before closing and at shutdown: Yes runs
// the whole bulk run inside the question, No goes on, Cancel stops the caller.
#include <gtest/gtest.h>

#include "commands/SaveCommands.h"
#include "commands/SourceCommands.h"
#include "commands/UnsavedPlan.h"
#include "ConversionFixture.h"

namespace {

constexpr const char* kQuestion =
    "MS Flight Simulator Flight-Plan LSZH-LSGG.pln not saved yet!\nDo you want to save it?";

class UnsavedPlanTest : public ConversionFixture {
 protected:
  UnsavedPlanTest() {
    Switch("sqb") = 1;
    // The real window runs a sent command before SendMessage returns.
    t.window.onSendCommand = [this](int command) {
      if (command == kSaveCommand) {
        dialogsBeforeSave = t.dialogs.Dialogs().size();
        configurationSavedBeforeSave = ConfigurationSaved();
        SaveAllPlans(t.session);
      }
    };
  }

  void ExpectQuestionFirst() {
    ASSERT_FALSE(t.messages.Messages().empty());
    EXPECT_EQ(kQuestion, t.messages.Messages()[0].text);
    EXPECT_EQ(MessageKind::Question, t.messages.Messages()[0].kind);
    EXPECT_EQ(MessageButtons::YesNoCancel, t.messages.Messages()[0].buttons);
  }

  std::size_t dialogsBeforeSave = 99;
  bool configurationSavedBeforeSave = true;
};

TEST_F(UnsavedPlanTest, YesSendsSaveAndTheBulkRunEndsBeforeTheAnswer) {
  t.messages.Answer(MessageAnswer::Yes);
  EXPECT_EQ(MessageAnswer::Yes, ConfirmUnsavedPlan(t.session));
  ExpectQuestionFirst();
  EXPECT_EQ(std::vector<int>{kSaveCommand}, t.window.sentCommands);
  EXPECT_TRUE(Written(In("sqb", "LSZH-LSGG.sbp")));
  EXPECT_EQ("SquawkBox Flight-Plan LSZH-LSGG.sbp successfully created!\n", t.messages.Texts().back());
}

TEST_F(UnsavedPlanTest, NoAndCancelSendNothing) {
  for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Cancel}) {
    SCOPED_TRACE(answer == MessageAnswer::No ? "No" : "Cancel");
    t.messages.Answer(answer);
    EXPECT_EQ(answer, ConfirmUnsavedPlan(t.session));
  }
  EXPECT_TRUE(t.window.sentCommands.empty());
  EXPECT_TRUE(t.files.files.empty());
}

TEST_F(UnsavedPlanTest, OpenAfterYesSavesFirstThenShowsTheDialog) {
  t.messages.Answer(MessageAnswer::Yes);
  t.dialogs.Choose("D:\\In\\next.txt", "next.txt");
  OpenPlan(t.session);
  ExpectQuestionFirst();
  EXPECT_EQ(0u, dialogsBeforeSave);
  EXPECT_EQ(1u, t.dialogs.Dialogs().size());
  EXPECT_TRUE(Written(In("sqb", "LSZH-LSGG.sbp")));
  EXPECT_STREQ("D:\\In\\next.txt", t.session.settings.sourceFilePath);
}

TEST_F(UnsavedPlanTest, OpenAfterNoShowsTheDialogWithoutSaving) {
  t.messages.Answer(MessageAnswer::No);
  t.dialogs.Choose("D:\\In\\next.txt", "next.txt");
  OpenPlan(t.session);
  ExpectQuestionFirst();
  EXPECT_EQ(1u, t.dialogs.Dialogs().size());
  EXPECT_TRUE(t.files.files.empty());
  EXPECT_FALSE(t.session.routeUnsaved);
}

TEST_F(UnsavedPlanTest, OpenAfterCancelStopsBeforeTheDialog) {
  t.messages.Answer(MessageAnswer::Cancel);
  OpenPlan(t.session);
  EXPECT_TRUE(t.dialogs.Dialogs().empty());
  EXPECT_TRUE(t.session.routeUnsaved);
  EXPECT_TRUE(t.window.postedCommands.empty());
}

TEST_F(UnsavedPlanTest, ASavedRouteIsNotAskedAbout) {
  t.session.routeUnsaved = false;
  EXPECT_TRUE(SaveSessionOnExit(t.session));
  EXPECT_TRUE(t.messages.Messages().empty());
  EXPECT_TRUE(ConfigurationSaved());
}

// A build that failed after a successful one leaves the route unsaved, but the
// bulk Save would only start another build: Yes would promise a plan never written.
TEST_F(UnsavedPlanTest, AfterAFailedBuildClosingAndOpenGoOnWithoutTheQuestion) {
  t.session.routeBuilt = false;
  EXPECT_TRUE(SaveSessionOnExit(t.session));
  t.dialogs.Choose("D:\\In\\next.txt", "next.txt");
  OpenPlan(t.session);
  EXPECT_TRUE(t.messages.Messages().empty());
  EXPECT_TRUE(t.window.sentCommands.empty());
  EXPECT_EQ(1u, t.dialogs.Dialogs().size());
  EXPECT_TRUE(ConfigurationSaved());
}

// Closing the window and Windows shutting down share the same end of a session.
TEST_F(UnsavedPlanTest, EndingTheSessionAfterYesSavesThePlansThenTheLastFiles) {
  t.messages.Answer(MessageAnswer::Yes);
  EXPECT_TRUE(SaveSessionOnExit(t.session));
  EXPECT_FALSE(configurationSavedBeforeSave);
  EXPECT_TRUE(Written(In("sqb", "LSZH-LSGG.sbp")));
  EXPECT_TRUE(ConfigurationSaved());
}

TEST_F(UnsavedPlanTest, EndingTheSessionAfterNoSavesTheLastFilesOnly) {
  t.messages.Answer(MessageAnswer::No);
  EXPECT_TRUE(SaveSessionOnExit(t.session));
  ExpectQuestionFirst();
  EXPECT_EQ(1u, t.files.files.size());
  EXPECT_TRUE(ConfigurationSaved());
  EXPECT_NE(std::string::npos, t.files.files[kConfigPath].find("zurich-geneva.txt"));
}

TEST_F(UnsavedPlanTest, EndingTheSessionAfterCancelKeepsTheConfigurationAsItWas) {
  t.messages.Answer(MessageAnswer::Cancel);
  EXPECT_FALSE(SaveSessionOnExit(t.session));
  EXPECT_TRUE(t.files.files.empty());
}

TEST_F(UnsavedPlanTest, YesWithNoSwitchOnShowsTheThreeLinesAndTheCallerGoesOn) {
  Switch("sqb") = 0;
  t.messages.Answer(MessageAnswer::Yes);
  t.dialogs.Choose("D:\\In\\next.txt", "next.txt");
  OpenPlan(t.session);
  ASSERT_EQ(2u, t.messages.Messages().size());
  EXPECT_EQ(0u, t.messages.Texts()[1].find("No Bulk Flightplans where created!\n"));
  EXPECT_EQ(1u, t.dialogs.Dialogs().size());
}

}  // namespace
