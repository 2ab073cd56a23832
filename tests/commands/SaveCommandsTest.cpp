// Save, the bulk run over the switched-on export types, and Save as, one plan of
// the type the dialog's filter chose.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/SaveCommands.h"
#include "ConversionFixture.h"

namespace {

constexpr const char* kNothingCreated =
    "No Bulk Flightplans where created!\n"
    "Verify Options..., Settings..., Exports Dialog!\n"
    "Need at least one selected for Bulk plan creation!\n";

class SaveAllPlansTest : public ConversionFixture {
 protected:
  void SwitchAllOn() {
    ProgramSettings& s = t.app.settings;
    s.bulkMsfs = s.bulkAcsGps = s.bulkSqb = s.bulkRc99 = s.bulkSfp = s.bulkNav = 1;
  }
};

TEST_F(SaveAllPlansTest, WithOnlySquawkBoxOnWritesThatPlanAndShowsOnlyItsMessage) {
  t.app.settings.bulkSqb = 1;
  SaveAllPlans(t.app);
  EXPECT_TRUE(Written(In("sqb", "LSZH-LSGG.sbp")));
  EXPECT_EQ(1u, t.files.files.size());
  ASSERT_EQ(1u, t.messages.Messages().size());
  EXPECT_EQ("SquawkBox Flight-Plan LSZH-LSGG.sbp successfully created!\n", t.messages.Messages()[0].text);
  EXPECT_EQ(MessageKind::Information, t.messages.Messages()[0].kind);
  EXPECT_EQ(MessageButtons::Ok, t.messages.Messages()[0].buttons);
  EXPECT_EQ(1, t.app.commands.bulkCount);
}

TEST_F(SaveAllPlansTest, WithNoSwitchOnShowsOnlyTheThreeLineWarning) {
  SaveAllPlans(t.app);
  EXPECT_TRUE(t.files.files.empty());
  ASSERT_EQ(1u, t.messages.Messages().size());
  EXPECT_EQ(kNothingCreated, t.messages.Messages()[0].text);
  EXPECT_EQ(MessageKind::Warning, t.messages.Messages()[0].kind);
  EXPECT_EQ(MessageButtons::Ok, t.messages.Messages()[0].buttons);
  EXPECT_EQ(0, t.app.commands.bulkCount);
  EXPECT_TRUE(t.app.route.routeUnsaved);
}

TEST_F(SaveAllPlansTest, WritesEveryTypeInBulkOrderWithItsSuccessMessage) {
  SwitchAllOn();
  SaveAllPlans(t.app);
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
  EXPECT_EQ(6, t.app.commands.bulkCount);
  EXPECT_FALSE(t.app.route.routeUnsaved);
  EXPECT_TRUE(t.app.route.routeBuilt);
}

TEST_F(SaveAllPlansTest, AFailingWriterInTheMiddleIsReportedAndTheRunGoesOn) {
  SwitchAllOn();
  t.files.uncreatable.insert(In("acs", "LSZH-LSGG.prg"));
  SaveAllPlans(t.app);
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
  EXPECT_EQ(6, t.app.commands.bulkCount);
}

TEST_F(SaveAllPlansTest, OnlyFailuresLeaveTheRouteUnsavedAndCountEveryAttempt) {
  t.app.settings.bulkRc99 = 1;
  t.files.uncreatable.insert(In("rc", "LSZH-LSGG.apl"));
  SaveAllPlans(t.app);
  EXPECT_EQ("Radar Contact Flight-Plan LSZH-LSGG.apl could not be created!\n", t.messages.Texts().back());
  EXPECT_EQ(1, t.app.commands.bulkCount);
  EXPECT_TRUE(t.app.route.routeUnsaved);
}

TEST_F(SaveAllPlansTest, NamingRuleNoneKeepsThePreviousBulkNameWithEachTypesExtension) {
  t.app.settings.autogenMode = 3;
  t.app.settings.bulkMsfs = 1;
  t.app.settings.bulkSqb = 1;
  std::strcpy(t.app.commands.bulkName, "Earlier flight.apl");
  SaveAllPlans(t.app);
  EXPECT_TRUE(Written(In("msfs", "Earlier flight.pln")));
  EXPECT_TRUE(Written(In("sqb", "Earlier flight.sbp")));
  EXPECT_STREQ("Earlier flight.sbp", t.app.commands.bulkName);
  EXPECT_EQ(In("sqb", "Earlier flight.sbp"), t.app.commands.bulkPath);
}

TEST_F(SaveAllPlansTest, AnEditedDestinationGivesTheBulkNameOnce) {
  t.app.settings.autogenMode = 3;
  t.app.settings.bulkSqb = 1;
  t.window.texts[kDestinationEdit] = "E:\\Mine\\My plan.pln";
  t.app.commands.destinationEdited = true;
  SaveAllPlans(t.app);
  EXPECT_TRUE(Written(In("sqb", "My plan.sbp")));
  EXPECT_FALSE(t.app.commands.destinationEdited);

  t.window.texts[kDestinationEdit] = "E:\\Mine\\Ignored.pln";
  t.messages.Answer(MessageAnswer::Yes);  // the plan of the first run is there
  SaveAllPlans(t.app);
  EXPECT_STREQ("My plan.sbp", t.app.commands.bulkName);
}

TEST_F(SaveAllPlansTest, AnEditedDestinationWithoutAFolderIsTakenWholeAsTheName) {
  t.app.settings.autogenMode = 3;
  t.app.settings.bulkAcsGps = 1;
  t.window.texts[kDestinationEdit] = "bare.txt";
  t.app.commands.destinationEdited = true;
  SaveAllPlans(t.app);
  EXPECT_TRUE(Written(In("acs", "bare.prg")));
}

class SavePlanAsTest : public ConversionFixture {};

TEST_F(SavePlanAsTest, WritesThePlanOfTheChosenFilterAndShowsItsPath) {
  t.dialogs.Choose("E:\\Plans\\trip.apl", "trip.apl", 3);
  SavePlanAs(t.app);
  EXPECT_TRUE(Written("E:\\Plans\\trip.apl"));
  EXPECT_EQ("E:\\Plans\\trip.apl", t.window.texts[kDestinationEdit]);
  ASSERT_FALSE(t.messages.Messages().empty());
  EXPECT_EQ("Radar Contact Flight-Plan trip.apl successfully created!\n", t.messages.Texts().back());
  EXPECT_EQ(MessageKind::Information, t.messages.Messages().back().kind);
  EXPECT_EQ(3, t.app.settings.exportType);
  EXPECT_FALSE(t.app.route.routeUnsaved);
}

TEST_F(SavePlanAsTest, AFailedWriterShowsItsFailureMessage) {
  t.dialogs.Choose("E:\\Plans\\trip.pln", "trip.pln", 1);
  t.files.uncreatable.insert("E:\\Plans\\trip.pln");
  SavePlanAs(t.app);
  EXPECT_EQ("MS Flight Simulator Flight-Plan trip.pln could not be created!\n", t.messages.Texts().back());
  EXPECT_EQ(MessageKind::Warning, t.messages.Messages().back().kind);
  EXPECT_TRUE(t.app.route.routeUnsaved);
}

TEST_F(SavePlanAsTest, TheAllFilesFilterWritesNothingAndSaysNothing) {
  t.dialogs.Choose("E:\\Plans\\trip.txt", "trip.txt", 11);
  SavePlanAs(t.app);
  EXPECT_TRUE(t.files.files.empty());
  EXPECT_TRUE(t.messages.Messages().empty());
  EXPECT_EQ(11, t.app.settings.exportType);
  EXPECT_EQ("E:\\Plans\\trip.txt", t.window.texts[kDestinationEdit]);
  EXPECT_TRUE(t.app.route.routeUnsaved);
}

TEST_F(SavePlanAsTest, ACancelledDialogChangesNothing) {
  t.dialogs.Cancel();
  SavePlanAs(t.app);
  EXPECT_TRUE(t.files.files.empty());
  EXPECT_TRUE(t.messages.Messages().empty());
  EXPECT_EQ(0u, t.window.texts.count(kDestinationEdit));
  EXPECT_STREQ("LSZH-LSGG.pln", t.app.settings.destFileName);
}

}  // namespace
