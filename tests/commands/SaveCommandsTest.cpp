// Save, the bulk run over the switched-on export types, Save as, one plan of the
// type the dialog's filter chose, and the write of one plan that both go through.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/SaveCommands.h"
#include "ConversionFixture.h"
#include "support/Files.h"

namespace {

constexpr const char* kNothingCreated =
    "No Bulk Flightplans where created!\n"
    "Verify Options..., Settings..., Exports Dialog!\n"
    "Need at least one selected for Bulk plan creation!\n";

class SaveAllPlansTest : public ConversionFixture {
 protected:
  void SwitchAllOn() {
    for (const char* key : {"msfs", "acs-gps", "sqb", "rc99", "sfp", "nav"}) Switch(key) = 1;
  }
};

TEST_F(SaveAllPlansTest, WithOnlySquawkBoxOnWritesThatPlanAndShowsOnlyItsMessage) {
  Switch("sqb") = 1;
  SaveAllPlans(t.session);
  EXPECT_TRUE(Written(In("sqb", "LSZH-LSGG.sbp")));
  EXPECT_EQ(1u, t.files.files.size());
  ASSERT_EQ(1u, t.messages.Messages().size());
  EXPECT_EQ("SquawkBox Flight-Plan LSZH-LSGG.sbp successfully created!\n", t.messages.Messages()[0].text);
  EXPECT_EQ(MessageKind::Information, t.messages.Messages()[0].kind);
  EXPECT_EQ(MessageButtons::Ok, t.messages.Messages()[0].buttons);
  EXPECT_EQ(1, t.session.commands.bulkCount);
}

TEST_F(SaveAllPlansTest, WithNoSwitchOnShowsOnlyTheThreeLineWarning) {
  SaveAllPlans(t.session);
  EXPECT_TRUE(t.files.files.empty());
  ASSERT_EQ(1u, t.messages.Messages().size());
  EXPECT_EQ(kNothingCreated, t.messages.Messages()[0].text);
  EXPECT_EQ(MessageKind::Warning, t.messages.Messages()[0].kind);
  EXPECT_EQ(MessageButtons::Ok, t.messages.Messages()[0].buttons);
  EXPECT_EQ(0, t.session.commands.bulkCount);
  EXPECT_TRUE(t.session.routeUnsaved);
}

TEST_F(SaveAllPlansTest, WritesEveryTypeInBulkOrderWithItsSuccessMessage) {
  SwitchAllOn();
  SaveAllPlans(t.session);
  EXPECT_EQ((std::vector<std::string>{
                "MS Flight Simulator Flight-Plan LSZH-LSGG.pln successfully created!\n",
                "ACS-GPS Flight-Plan LSZH-LSGG.prg successfully created!\n",
                "SquawkBox Flight-Plan LSZH-LSGG.sbp successfully created!\n",
                "Radar Contact Flight-Plan LSZH-LSGG.apl successfully created!\n",
                "Super Flight Planner Flight-Plan LSZH-LSGG.pln successfully created!\n",
                "Nav Flight Planner Flight-Plan LSZH-LSGG.pln successfully created!\n"}),
            t.messages.Texts());
  for (const std::string& path : {In("msfs", "LSZH-LSGG.pln"), In("acs", "LSZH-LSGG.prg"), In("sqb", "LSZH-LSGG.sbp"),
                           In("rc", "LSZH-LSGG.apl"), In("sfp", "LSZH-LSGG.pln"), In("nav", "LSZH-LSGG.pln")}) {
    SCOPED_TRACE(path);
    EXPECT_TRUE(Written(path));
  }
  EXPECT_EQ(6, t.session.commands.bulkCount);
  EXPECT_FALSE(t.session.routeUnsaved);
  EXPECT_TRUE(t.session.routeBuilt);
}

TEST_F(SaveAllPlansTest, AFailingWriterInTheMiddleIsReportedAndTheRunGoesOn) {
  SwitchAllOn();
  t.files.uncreatable.insert(In("acs", "LSZH-LSGG.prg"));
  SaveAllPlans(t.session);
  EXPECT_EQ((std::vector<std::string>{
                "MS Flight Simulator Flight-Plan LSZH-LSGG.pln successfully created!\n",
                "Failed to create ACS-GPS Flight plan LSZH-LSGG.prg",
                "ACS-GPS Flight-Plan LSZH-LSGG.prg could not be created!\n",
                "SquawkBox Flight-Plan LSZH-LSGG.sbp successfully created!\n",
                "Radar Contact Flight-Plan LSZH-LSGG.apl successfully created!\n",
                "Super Flight Planner Flight-Plan LSZH-LSGG.pln successfully created!\n",
                "Nav Flight Planner Flight-Plan LSZH-LSGG.pln successfully created!\n"}),
            t.messages.Texts());
  EXPECT_EQ(MessageKind::Warning, t.messages.Messages()[2].kind);
  EXPECT_FALSE(Written(In("acs", "LSZH-LSGG.prg")));
  EXPECT_EQ(5u, t.files.files.size());
  EXPECT_EQ(6, t.session.commands.bulkCount);
}

TEST_F(SaveAllPlansTest, OnlyFailuresLeaveTheRouteUnsavedAndCountEveryAttempt) {
  Switch("rc99") = 1;
  t.files.uncreatable.insert(In("rc", "LSZH-LSGG.apl"));
  SaveAllPlans(t.session);
  EXPECT_EQ("Radar Contact Flight-Plan LSZH-LSGG.apl could not be created!\n", t.messages.Texts().back());
  EXPECT_EQ(1, t.session.commands.bulkCount);
  EXPECT_TRUE(t.session.routeUnsaved);
}

TEST_F(SaveAllPlansTest, NamingRuleNoneKeepsThePreviousBulkNameWithEachTypesExtension) {
  t.session.settings.autogenMode = 3;
  Switch("msfs") = 1;
  Switch("sqb") = 1;
  std::strcpy(t.session.commands.bulkName, "Earlier flight.apl");
  SaveAllPlans(t.session);
  EXPECT_TRUE(Written(In("msfs", "Earlier flight.pln")));
  EXPECT_TRUE(Written(In("sqb", "Earlier flight.sbp")));
  EXPECT_STREQ("Earlier flight.sbp", t.session.commands.bulkName);
  EXPECT_EQ(In("sqb", "Earlier flight.sbp"), t.session.commands.bulkPath);
}

TEST_F(SaveAllPlansTest, AnEditedDestinationGivesTheBulkNameOnce) {
  t.session.settings.autogenMode = 3;
  Switch("sqb") = 1;
  t.window.texts[kDestinationEdit] = "E:\\Mine\\My plan.pln";
  t.session.commands.destinationEdited = true;
  SaveAllPlans(t.session);
  EXPECT_TRUE(Written(In("sqb", "My plan.sbp")));
  EXPECT_FALSE(t.session.commands.destinationEdited);

  t.window.texts[kDestinationEdit] = "E:\\Mine\\Ignored.pln";
  t.messages.Answer(MessageAnswer::Yes);  // the plan of the first run is there
  SaveAllPlans(t.session);
  EXPECT_STREQ("My plan.sbp", t.session.commands.bulkName);
}

TEST_F(SaveAllPlansTest, AnEditedDestinationWithoutAFolderIsTakenWholeAsTheName) {
  t.session.settings.autogenMode = 3;
  Switch("acs-gps") = 1;
  t.window.texts[kDestinationEdit] = "bare.txt";
  t.session.commands.destinationEdited = true;
  SaveAllPlans(t.session);
  EXPECT_TRUE(Written(In("acs", "bare.prg")));
}

class SavePlanAsTest : public ConversionFixture {};

TEST_F(SavePlanAsTest, WritesThePlanOfTheChosenFilterAndShowsItsPath) {
  t.dialogs.Choose("E:\\Plans\\trip.apl", "trip.apl", 3);
  SavePlanAs(t.session);
  EXPECT_TRUE(Written("E:\\Plans\\trip.apl"));
  EXPECT_EQ("E:\\Plans\\trip.apl", t.window.texts[kDestinationEdit]);
  ASSERT_FALSE(t.messages.Messages().empty());
  EXPECT_EQ("Radar Contact Flight-Plan trip.apl successfully created!\n", t.messages.Texts().back());
  EXPECT_EQ(MessageKind::Information, t.messages.Messages().back().kind);
  EXPECT_EQ(3, t.session.settings.exportType);
  EXPECT_FALSE(t.session.routeUnsaved);
}

TEST_F(SavePlanAsTest, AFailedWriterShowsItsFailureMessage) {
  t.dialogs.Choose("E:\\Plans\\trip.pln", "trip.pln", 1);
  t.files.uncreatable.insert("E:\\Plans\\trip.pln");
  SavePlanAs(t.session);
  EXPECT_EQ("MS Flight Simulator Flight-Plan trip.pln could not be created!\n", t.messages.Texts().back());
  EXPECT_EQ(MessageKind::Warning, t.messages.Messages().back().kind);
  EXPECT_TRUE(t.session.routeUnsaved);
}

TEST_F(SavePlanAsTest, TheAllFilesFilterWritesNothingAndSaysNothing) {
  t.dialogs.Choose("E:\\Plans\\trip.txt", "trip.txt", kExportTypeCount + 1);
  SavePlanAs(t.session);
  EXPECT_TRUE(t.files.files.empty());
  EXPECT_TRUE(t.messages.Messages().empty());
  EXPECT_EQ(11, t.session.settings.exportType);
  EXPECT_EQ("E:\\Plans\\trip.txt", t.window.texts[kDestinationEdit]);
  EXPECT_TRUE(t.session.routeUnsaved);
}

TEST_F(SavePlanAsTest, ACancelledDialogChangesNothing) {
  t.dialogs.Cancel();
  SavePlanAs(t.session);
  EXPECT_TRUE(t.files.files.empty());
  EXPECT_TRUE(t.messages.Messages().empty());
  EXPECT_EQ(0u, t.window.texts.count(kDestinationEdit));
  EXPECT_STREQ("LSZH-LSGG.pln", t.session.settings.destFileName);
}

constexpr const char* kTarget = "E:\\Plans\\trip.pln";
constexpr const char* kOldPlan = "the plan that was there\r\n";

// The plan of the session's route, with the runways chosen, the radio buttons'
// flight and route type and today's date, at the path the frame used.
TEST(WriteSessionPlan, WritesTheRouteWithTheRunwaysAndTypesChosenAndTodaysDate) {
  struct Case {
    const char* key;
    const char* path;
    const char* golden;
  };
  const Case cases[] = {
      {"msfs", "E:\\Plans\\trip.pln", "msfs/zurich-geneva.pln"},      // flight and route type, departure runway
      {"xplane", "E:\\Plans\\trip.fms", "xplane/zurich-geneva.fms"},  // both runways, the cycle of the date
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    TestSession t;
    PrepareConversion(t);
    char path[kPathSize] = "E:\\Plans\\trip.txt";
    char name[kPathSize] = "trip.txt";
    ASSERT_TRUE(WriteSessionPlan(t.session, Type(c.key), path, name));
    EXPECT_STREQ(c.path, path);
    EXPECT_STREQ(c.path + 9, name);
    ASSERT_EQ(1u, t.files.files.count(c.path));
    EXPECT_TRUE(MatchesGolden(t.files.files[c.path], c.golden));
  }
}

// Only a written plan clears `routeUnsaved`; after whatever the frame said, the
// format's own text tells how it went.
TEST(WriteSessionPlan, AWrittenPlanIsNoLongerUnsavedAndAFailedOneStaysUnsaved) {
  struct Case {
    const char* name;
    std::function<void(TestSession&, char* path)> arrange;
    std::size_t frameMessages;
    bool written;
  };
  const Case cases[] = {
      {"a new file", [](TestSession&, char*) {}, 0, true},
      {"an old file replaced",
       [](TestSession& t, char*) {
         t.files.files[kTarget] = kOldPlan;
         t.messages.Answer(MessageAnswer::Yes);
       },
       1, true},
      {"an old file kept",
       [](TestSession& t, char*) {
         t.files.files[kTarget] = kOldPlan;
         t.messages.Answer(MessageAnswer::No);
       },
       1, false},
      {"no file name", [](TestSession&, char* path) { path[0] = '\0'; }, 1, false},
      {"a file that cannot be created", [](TestSession& t, char*) { t.files.uncreatable.insert(kTarget); }, 1, false},
      {"a write error", [](TestSession& t, char*) { t.files.FailWrite(1); }, 1, false},
      {"a failure that shows only at the commit", [](TestSession& t, char*) { t.files.failCommit = true; }, 1,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestSession t;
    PrepareConversion(t);
    char path[kPathSize] = "E:\\Plans\\trip.txt";
    char name[kPathSize] = "trip.txt";
    c.arrange(t, path);
    EXPECT_EQ(c.written, WriteSessionPlan(t.session, Type("msfs"), path, name));
    EXPECT_EQ(!c.written, t.session.routeUnsaved);
    EXPECT_TRUE(t.session.routeBuilt);
    bool replaced = t.files.files.count(kTarget) != 0 && t.files.files[kTarget] != kOldPlan;
    EXPECT_EQ(c.written, replaced);
    ASSERT_EQ(c.frameMessages + 1, t.messages.Messages().size());
    const RecordedMessage& last = t.messages.Messages().back();
    EXPECT_EQ(c.written ? "MS Flight Simulator Flight-Plan trip.pln successfully created!\n"
                        : "MS Flight Simulator Flight-Plan trip.pln could not be created!\n",
              last.text);
    EXPECT_EQ(DescribeKind(c.written ? MessageKind::Information : MessageKind::Warning), DescribeKind(last.kind));
    EXPECT_EQ(DescribeButtons(MessageButtons::Ok), DescribeButtons(last.buttons));
  }
}

}  // namespace
