// The "Save as" dialog through the fake ports: its filters are the export types,
// the filter chosen becomes the export type, and the untested types are announced.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "commands/SaveCommands.h"
#include "support/TestSession.h"

namespace {

constexpr const char* kUntested =
    "This type of Flight plan file is not yet tested!!!\n"
    "Please verify if it works, thanks to you!!!";

class SaveAsDialogTest : public ::testing::Test {
 protected:
  SaveAsDialogTest() {
    t.session.settings.exportType = 4;
    std::strcpy(t.session.settings.defaultDestDir, "D:\\Out");
    std::strcpy(path, "D:\\Out\\LSZH-LSGG.sbp");
    std::strcpy(name, "LSZH-LSGG.sbp");
  }

  int SaveAs() { return SaveAsDialog(t.session, path, name); }

  TestSession t;
  char path[260];
  char name[260];
};

TEST_F(SaveAsDialogTest, OffersOneFilterPerExportTypeAndAllFilesLast) {
  t.dialogs.Choose("D:\\Out\\a.sbp", "a.sbp");
  SaveAs();
  ASSERT_EQ(1u, t.dialogs.Dialogs().size());
  const RecordedDialog& dialog = t.dialogs.Dialogs()[0];
  EXPECT_TRUE(dialog.isSave);
  EXPECT_EQ("Save as... Flight plan", dialog.title);
  // The six programs of old keep their places; the simulators of today follow, in
  // the registry's order.
  std::vector<std::string> descriptions = {
      "MS FS2000/2002 Flightplan Files (*.pln)", "ACS-GPS Flightplan Files (*.prg)",
      "Radar Contact Flightplan Files (*.apl)", "SquawkBox Flightplan Files (*.sbp)",
      "SFP Flightplan Files (*.pln)", "Nav Flightplan Files (*.pln)"};
  std::vector<std::string> patterns = {"*.pln", "*.prg", "*.apl", "*.sbp", "*.pln", "*.pln"};
  for (int later = static_cast<int>(descriptions.size()); later < kExportTypeCount; ++later) {
    descriptions.push_back(kExportTypes[later].filter.description);
    patterns.push_back(kExportTypes[later].filter.pattern);
  }
  descriptions.push_back("All files (*.*)");
  patterns.push_back("*.*");
  EXPECT_EQ(descriptions, dialog.filterDescriptions);
  EXPECT_EQ(patterns, dialog.filterPatterns);
  EXPECT_EQ("D:\\Out", dialog.initialFolder);
  EXPECT_EQ("pln", dialog.defaultExtension);
  EXPECT_FALSE(dialog.fileMustExist);
}

TEST_F(SaveAsDialogTest, OpensOnTheCurrentExportTypeAndTheCurrentDestination) {
  t.dialogs.Choose("D:\\Out\\a.sbp", "a.sbp");
  SaveAs();
  ASSERT_EQ(1u, t.dialogs.Dialogs().size());
  EXPECT_EQ(4, t.dialogs.Dialogs()[0].filterIndex);
  EXPECT_EQ("D:\\Out\\LSZH-LSGG.sbp", t.dialogs.Dialogs()[0].startPath);
  EXPECT_EQ("LSZH-LSGG.sbp", t.dialogs.Dialogs()[0].startName);
}

TEST_F(SaveAsDialogTest, TheChosenFilterBecomesTheExportTypeWithTheNoticeForUntestedTypes) {
  for (int filter = 1; filter <= kExportTypeCount + 1; ++filter) {
    SCOPED_TRACE("filter " + std::to_string(filter));
    TestSession fresh;
    fresh.session.settings.exportType = 1;
    fresh.dialogs.Choose("D:\\Out\\plan.x", "plan.x", filter);
    char chosenPath[260] = "D:\\Out\\old.pln";
    char chosenName[260] = "old.pln";

    EXPECT_EQ(1, SaveAsDialog(fresh.session, chosenPath, chosenName));
    EXPECT_EQ(filter <= kExportTypeCount ? kExportTypes[filter - 1].code : kAllFilesType,
              fresh.session.settings.exportType);
    EXPECT_STREQ("D:\\Out\\plan.x", chosenPath);
    EXPECT_STREQ("plan.x", chosenName);
    bool untested = filter >= 2 && filter <= 6;
    ASSERT_EQ(untested ? 1u : 0u, fresh.messages.Messages().size());
    if (untested) {
      const RecordedMessage& message = fresh.messages.Messages()[0];
      EXPECT_EQ(kUntested, message.text);
      EXPECT_EQ(DescribeKind(MessageKind::Warning), DescribeKind(message.kind));
      EXPECT_EQ(DescribeButtons(MessageButtons::Ok), DescribeButtons(message.buttons));
    }
  }
}

TEST_F(SaveAsDialogTest, AnExportTypeWithoutAFilterOpensOnTheFirstFilter) {
  for (int exportType : {0, -1, 999}) {
    SCOPED_TRACE("exportType " + std::to_string(exportType));
    TestSession fresh;
    fresh.session.settings.exportType = exportType;
    fresh.dialogs.Choose("D:\\Out\\plan.pln", "plan.pln");
    char chosenPath[260] = "";
    char chosenName[260] = "";
    EXPECT_EQ(1, SaveAsDialog(fresh.session, chosenPath, chosenName));
    ASSERT_EQ(1u, fresh.dialogs.Dialogs().size());
    EXPECT_EQ(1, fresh.dialogs.Dialogs()[0].filterIndex);
    EXPECT_EQ(1, fresh.session.settings.exportType);
  }
}

// Type numbers stored by older versions name the same format wherever its
// filter now stands: 7 is MSFS 2020, 10 is GPX.
TEST_F(SaveAsDialogTest, AStoredTypeOfTodayOpensOnItsOwnFilter) {
  for (const char* key : {"msfs2020", "xplane", "garmin", "gpx"}) {
    SCOPED_TRACE(key);
    TestSession fresh;
    const ExportType& type = *FindExportTypeByKey(key);
    fresh.session.settings.exportType = type.code;
    fresh.dialogs.Choose("D:\\Out\\plan", "plan");
    char chosenPath[260] = "";
    char chosenName[260] = "";
    EXPECT_EQ(1, SaveAsDialog(fresh.session, chosenPath, chosenName));
    ASSERT_EQ(1u, fresh.dialogs.Dialogs().size());
    const RecordedDialog& dialog = fresh.dialogs.Dialogs()[0];
    EXPECT_EQ(type.filter.description, dialog.filterDescriptions.at(dialog.filterIndex - 1));
    EXPECT_EQ(type.code, fresh.session.settings.exportType);
  }
}

TEST_F(SaveAsDialogTest, CancelKeepsTheExportTypeAndTheDestination) {
  t.dialogs.Cancel();
  EXPECT_EQ(0, SaveAs());
  EXPECT_EQ(4, t.session.settings.exportType);
  EXPECT_STREQ("D:\\Out\\LSZH-LSGG.sbp", path);
  EXPECT_STREQ("LSZH-LSGG.sbp", name);
  EXPECT_TRUE(t.messages.Messages().empty());
}

// "All files" follows the formats, so every stored type of older versions keeps
// its filter; it is stored as type eleven wherever its filter stands.
TEST_F(SaveAsDialogTest, AllFilesKeepsTypeElevenForTheNextDialog) {
  const int allFiles = kExportTypeCount + 1;
  t.dialogs.Choose("D:\\Out\\a", "a", allFiles);
  t.dialogs.Choose("D:\\Out\\b", "b");
  EXPECT_EQ(1, SaveAs());
  EXPECT_EQ(1, SaveAs());
  ASSERT_EQ(2u, t.dialogs.Dialogs().size());
  EXPECT_EQ(allFiles, t.dialogs.Dialogs()[1].filterIndex);
  EXPECT_EQ(11, t.session.settings.exportType);
  EXPECT_TRUE(t.messages.Messages().empty());
}

}  // namespace
