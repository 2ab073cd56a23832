// Choosing the source plan: the open dialog with its ".fcf" refusal loop, and a
// file dropped on the window, with the unsaved-plan question and the posted build.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/SourceCommands.h"
#include "host/Paths.h"
#include "route/PlanReaders.h"
#include "support/TestSession.h"

namespace {

constexpr const char* kRefusal =
    "Original FliteStar files not yet directly supported!!!\n"
    "Run FliteStar and export Flight plan as Generic Text format file!";

class OpenSourceDialogTest : public ::testing::Test {
 protected:
  OpenSourceDialogTest() {
    std::strcpy(t.session.settings.defaultSourceDir, "C:\\Plans");
    std::strcpy(path, "C:\\Old\\old.txt");
    std::strcpy(name, "old.txt");
  }

  int Open() { return OpenSourceDialog(t.session, path, name); }

  TestSession t;
  char path[260];
  char name[260];
};

TEST_F(OpenSourceDialogTest, ShowsEveryReadablePlanFirstThenTheFliteStarFiltersFromTheDefaultSourceFolder) {
  t.dialogs.Choose("C:\\Plans\\lszh.txt", "lszh.txt");
  Open();
  ASSERT_EQ(1u, t.dialogs.Dialogs().size());
  const RecordedDialog& dialog = t.dialogs.Dialogs()[0];
  EXPECT_FALSE(dialog.isSave);
  EXPECT_EQ("Open Flight plan file", dialog.title);
  EXPECT_EQ((std::vector<std::string>{"Flight plans (all kinds)", "Exported FliteStar Flightplan files (*.txt)",
                                      "FliteStar Flightplan files (*.fcf)", "All files (*.*)"}),
            dialog.filterDescriptions);
  EXPECT_EQ((std::vector<std::string>{"*.txt;*.pln;*.fms;*.fpl;*.gfp;*.flp;*.fgfp;*.rte;*.gpx;*.kml;*.lnmpln;*.xml",
                                      "*.txt", "*.fcf", "*.*"}),
            dialog.filterPatterns);
  EXPECT_EQ(1, dialog.filterIndex);
  EXPECT_EQ("C:\\Plans", dialog.initialFolder);
  EXPECT_EQ("txt", dialog.defaultExtension);
  EXPECT_TRUE(dialog.fileMustExist);
  EXPECT_EQ("", dialog.startPath) << "a pattern in the file box would hide the other kinds";
  EXPECT_EQ("", dialog.startName);
}

TEST_F(OpenSourceDialogTest, TheFirstFilterListsTheExtensionOfEveryKindOfSourceRead) {
  const std::string patterns = std::string(kReadablePlanPatterns) + ";";
  for (const PlanReader* reader : PlanReaders()) {
    if (!reader->isSource) continue;
    const std::string kind = reader->kind;
    const std::size_t open = kind.rfind("(.");
    ASSERT_NE(std::string::npos, open) << kind;
    const std::string pattern = "*" + kind.substr(open + 1, kind.size() - open - 2) + ";";
    EXPECT_NE(std::string::npos, patterns.find(pattern)) << kind;
  }
}

TEST_F(OpenSourceDialogTest, APickFillsBothBuffersAndTheTitle) {
  t.dialogs.Choose("C:\\Plans\\lszh.txt", "lszh.txt");
  EXPECT_EQ(1, Open());
  EXPECT_STREQ("C:\\Plans\\lszh.txt", path);
  EXPECT_STREQ("lszh.txt", name);
  EXPECT_EQ("PlanTransit - lszh.txt", t.window.title);
  EXPECT_TRUE(t.messages.Messages().empty());
}

TEST_F(OpenSourceDialogTest, CancelChangesNothing) {
  t.dialogs.Cancel();
  EXPECT_EQ(0, Open());
  EXPECT_STREQ("C:\\Old\\old.txt", path);
  EXPECT_STREQ("old.txt", name);
  EXPECT_EQ("", t.window.title);
  EXPECT_TRUE(t.messages.Messages().empty());
}

TEST_F(OpenSourceDialogTest, AnFcfFileIsRefusedAndTheDialogOpensAgainOnIt) {
  t.dialogs.Choose("C:\\Plans\\x.fcf", "x.fcf");
  t.dialogs.Choose("C:\\Plans\\x.FCF", "x.FCF");
  EXPECT_EQ(1, Open());

  ASSERT_EQ(1u, t.messages.Messages().size());
  const RecordedMessage& message = t.messages.Messages()[0];
  EXPECT_EQ(kRefusal, message.text);
  EXPECT_EQ(DescribeKind(MessageKind::Warning), DescribeKind(message.kind));
  EXPECT_EQ(DescribeButtons(MessageButtons::Ok), DescribeButtons(message.buttons));

  ASSERT_EQ(2u, t.dialogs.Dialogs().size());
  EXPECT_EQ("C:\\Plans\\x.fcf", t.dialogs.Dialogs()[1].startPath);
  EXPECT_EQ("x.fcf", t.dialogs.Dialogs()[1].startName);
  EXPECT_EQ(1, t.dialogs.Dialogs()[1].filterIndex);
  EXPECT_STREQ("C:\\Plans\\x.FCF", path);
  EXPECT_STREQ("x.FCF", name);
  EXPECT_EQ("PlanTransit - x.FCF", t.window.title);
}

TEST_F(OpenSourceDialogTest, CancellingAfterARefusalLeavesTheBuffersAsTheyWere) {
  t.dialogs.Choose("C:\\Plans\\x.fcf", "x.fcf");
  t.dialogs.Cancel();
  EXPECT_EQ(0, Open());
  EXPECT_EQ(1u, t.messages.Messages().size());
  EXPECT_STREQ("C:\\Old\\old.txt", path);
  EXPECT_STREQ("old.txt", name);
  EXPECT_EQ("", t.window.title);
}

TEST_F(OpenSourceDialogTest, EveryFcfChoiceIsRefusedUntilAnotherFileIsPicked) {
  for (int i = 0; i < 3; ++i) t.dialogs.Choose("C:\\Plans\\x.fcf", "x.fcf");
  t.dialogs.Choose("C:\\Plans\\x.txt", "x.txt");
  EXPECT_EQ(1, Open());
  EXPECT_EQ(3u, t.messages.Messages().size());
  EXPECT_EQ(4u, t.dialogs.Dialogs().size());
}

TEST_F(OpenSourceDialogTest, ALongestPathFitsTheBuffersExactly) {
  std::string longPath = "C:\\" + std::string(252, 'p') + ".txt";
  ASSERT_EQ(259u, longPath.size());
  t.dialogs.Choose(longPath, longPath.substr(3));
  EXPECT_EQ(1, Open());
  EXPECT_EQ(longPath, path);
  EXPECT_EQ(longPath.substr(3), name);
}

TEST(IsFliteStarOriginal, ComparesTheLastExtensionCaseSensitively) {
  struct Case {
    const char* name;
    bool refused;
  };
  const Case cases[] = {
      {"x.fcf", true},      {"x.FCF", false},     {"x.Fcf", false}, {"x.txt", false},
      {"fcf", false},       {"x", false},         {".fcf", true},   {"x.fcf.txt", false},
      {"x.txt.fcf", true},  {"x.fcf ", false},    {"x.fcfx", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.refused, IsFliteStarOriginal(c.name));
  }
}

constexpr const char* kQuestion = "MS Flight Simulator Flight-Plan lszh.pln not saved yet!\nDo you want to save it?";

class FileDropTest : public ::testing::Test {
 protected:
  FileDropTest() { std::strcpy(t.session.settings.destFileName, "lszh.pln"); }
  TestSession t;
};

TEST_F(FileDropTest, DroppedPlanBecomesTheSourceAndItsBuildIsPosted) {
  t.session.routeBuilt = true;
  t.session.settings.showToolbar = 1;
  TakeDroppedSourcePlan(t.session, "C:\\Plans\\lsgg.txt");
  EXPECT_STREQ(t.session.settings.sourceFilePath, "C:\\Plans\\lsgg.txt");
  EXPECT_STREQ(t.session.settings.sourceFileName, "lsgg.txt");
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
    TestSession t;
    t.session.settings.autogenMode = c.autogenMode;
    t.session.settings.exportType = 1;
    std::strcpy(t.session.settings.defaultDestDir, "C:\\Out");
    std::strcpy(t.session.settings.destFilePath, "C:\\Old\\kept.pln");
    std::strcpy(t.session.settings.destFileName, "kept.pln");
    TakeDroppedSourcePlan(t.session, "C:\\Plans\\lsgg.txt");
    EXPECT_EQ(t.window.texts[kDestinationEdit], c.destination);
  }
}

TEST_F(FileDropTest, FliteStarOriginalIsRefusedAndNothingChanges) {
  std::strcpy(t.session.settings.sourceFilePath, "C:\\Plans\\old.txt");
  TakeDroppedSourcePlan(t.session, "C:\\Plans\\lsgg.fcf");
  ASSERT_EQ(t.messages.Messages().size(), 1u);
  EXPECT_EQ(t.messages.Messages()[0].text, kRefusal);
  EXPECT_EQ(t.messages.Messages()[0].kind, MessageKind::Warning);
  EXPECT_STREQ(t.session.settings.sourceFilePath, "C:\\Plans\\old.txt");
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
    TestSession t;
    std::strcpy(t.session.settings.destFileName, "lszh.pln");
    t.session.routeBuilt = true;
    t.session.routeUnsaved = true;
    t.messages.Answer(c.answer);
    TakeDroppedSourcePlan(t.session, "C:\\Plans\\lsgg.txt");
    ASSERT_FALSE(t.messages.Messages().empty());
    EXPECT_EQ(t.messages.Messages()[0].text, kQuestion);
    EXPECT_EQ(t.messages.Messages()[0].kind, MessageKind::Question);
    EXPECT_EQ(t.messages.Messages()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(t.window.sentCommands, c.sent);
    EXPECT_EQ(t.window.postedCommands.size(), c.adopted ? 1u : 0u);
    EXPECT_EQ(t.session.routeUnsaved, !c.adopted);
  }
}

TEST_F(FileDropTest, EmptyPathDoesNothing) {
  TakeDroppedSourcePlan(t.session, "");
  EXPECT_TRUE(t.window.postedCommands.empty());
  EXPECT_TRUE(t.messages.Messages().empty());
}

}  // namespace
