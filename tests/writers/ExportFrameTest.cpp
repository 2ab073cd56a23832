// Every path of the save frame, for the MSFS plan through the fake ports, and the
// atomic replacement on real files.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "host/StdioFileSystem.h"
#include "support/Files.h"
#include "support/TestPorts.h"
#include "writers/FormatRegistry.h"
#include "writers/SaveFrame.h"
#include "writers/WriterTestSupport.h"

namespace {

constexpr const char* kTarget = "C:\\Flights\\plan.pln";
constexpr const char* kOldPlan = "the plan that was there\r\n";

const ExportType& Msfs() { return *FindExportTypeByKey("msfs"); }

class ExportFrameTest : public ::testing::Test {
 protected:
  SavedPlan Save(const std::string& path = "C:\\Flights\\plan.txt", const std::string& name = "plan.txt") {
    return SavePlan(Msfs(), plan.Input(), path.c_str(), name.c_str(), t.Save());
  }

  void ExpectOnlyMessage(const std::string& text, MessageKind kind, MessageButtons buttons) {
    EXPECT_TRUE(ShowedMessages(t.messages, {{text, kind, buttons}}));
  }

  TestPorts t;
  TestPlan plan = ZurichGenevaPlan();
};

TEST_F(ExportFrameTest, WritesUnderTheNewExtensionAndSaysNothing) {
  SavedPlan saved = Save();
  EXPECT_EQ(SaveOutcome::Written, saved.outcome);
  EXPECT_STREQ(kTarget, saved.path);
  EXPECT_STREQ("plan.pln", saved.name);
  EXPECT_EQ(1u, t.files.files.count(kTarget));
  EXPECT_TRUE(t.messages.Messages().empty());
}

TEST_F(ExportFrameTest, EmptyPathIsRefusedWithAnErrorAndCreatesNothing) {
  EXPECT_EQ(SaveOutcome::NoName, Save("").outcome);
  ExpectOnlyMessage("No MS Flight Simulator Flightplan Filename supplied!", MessageKind::Error,
                    MessageButtons::Ok);
  EXPECT_TRUE(t.files.files.empty());
}

TEST_F(ExportFrameTest, OverwriteQuestionNamesTheFileWithItsNewExtension) {
  t.files.files[kTarget] = kOldPlan;
  t.messages.Answer(MessageAnswer::Yes);
  EXPECT_EQ(SaveOutcome::Written, Save().outcome);
  ExpectOnlyMessage("An MS Flight Simulator Flight plan plan.pln already exists!\n"
                    "Do you want to overwrite it?",
                    MessageKind::Warning, MessageButtons::YesNo);
  EXPECT_TRUE(MatchesGolden(t.files.files[kTarget], "msfs/zurich-geneva.pln"));
}

TEST_F(ExportFrameTest, AnsweringNoLeavesTheOldFileAndSaysNothingMore) {
  t.files.files[kTarget] = kOldPlan;
  t.messages.Answer(MessageAnswer::No);
  SavedPlan saved = Save();
  EXPECT_EQ(SaveOutcome::Declined, saved.outcome);
  EXPECT_STREQ(kTarget, saved.path);
  EXPECT_EQ(1u, t.messages.Messages().size());
  EXPECT_EQ(kOldPlan, t.files.files[kTarget]);
  EXPECT_EQ(0, t.files.openReplacements);
}

TEST_F(ExportFrameTest, AFileThatCannotBeReadCountsAsNotExisting) {
  t.files.files[kTarget] = kOldPlan;
  t.files.unreadable.insert(kTarget);
  EXPECT_EQ(SaveOutcome::Written, Save().outcome);
  EXPECT_TRUE(t.messages.Messages().empty());
}

TEST_F(ExportFrameTest, CreateFailureIsAWarningAndAnswersTheNamesWithTheNewExtension) {
  t.files.uncreatable.insert(kTarget);
  SavedPlan saved = Save();
  EXPECT_EQ(SaveOutcome::NotCreated, saved.outcome);
  EXPECT_STREQ(kTarget, saved.path);
  EXPECT_STREQ("plan.pln", saved.name);
  ExpectOnlyMessage("Failed to create MS Flight Simulator Flight plan plan.pln", MessageKind::Warning,
                    MessageButtons::Ok);
  EXPECT_TRUE(t.files.files.empty());
}

TEST_F(ExportFrameTest, WriteFailureLeavesNoPartialFileAndTheOldOneUntouched) {
  // The first write fails inside the header block, the 25th inside the second
  // waypoint line (the header takes 22 writes: a text and a line end per line).
  for (int failingWrite : {1, 25}) {
    SCOPED_TRACE(failingWrite);
    TestPorts fresh;
    fresh.files.files[kTarget] = kOldPlan;
    fresh.files.FailWrite(failingWrite);
    fresh.messages.Answer(MessageAnswer::Yes);
    SavedPlan saved = SavePlan(Msfs(), plan.Input(), kTarget, "plan.pln", fresh.Save());
    EXPECT_EQ(SaveOutcome::NotWritten, saved.outcome);
    EXPECT_TRUE(ShowedMessages(
        fresh.messages,
        {{"An MS Flight Simulator Flight plan plan.pln already exists!\nDo you want to overwrite it?",
          MessageKind::Warning, MessageButtons::YesNo},
         {"Error while writing to MS FS Flightplan file plan.pln", MessageKind::Error, MessageButtons::Ok}}));
    EXPECT_EQ(kOldPlan, fresh.files.files[kTarget]);
    EXPECT_EQ(0, fresh.files.openReplacements);
  }
}

TEST_F(ExportFrameTest, AFailureThatShowsOnlyAtCloseIsAWriteError) {
  t.files.failCommit = true;
  EXPECT_EQ(SaveOutcome::NotWritten, Save().outcome);
  ExpectOnlyMessage("Error while writing to MS FS Flightplan file plan.pln", MessageKind::Error,
                    MessageButtons::Ok);
  EXPECT_TRUE(t.files.files.empty());
}

TEST_F(ExportFrameTest, ANameThatCannotTakeItsExtensionIsNotCreated) {
  std::string longName(257, 'n');
  longName += ".";
  EXPECT_EQ(SaveOutcome::NotCreated, Save(longName, longName).outcome);
  ExpectOnlyMessage("Failed to create MS Flight Simulator Flight plan " + longName,
                    MessageKind::Warning, MessageButtons::Ok);
  EXPECT_TRUE(t.files.files.empty());
}

// The same frame on the disk: the plan replaces the old file and no temporary
// file stays behind, whether the write succeeded or was refused.
TEST(StdioExportFrame, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  TemporaryFolder folder;
  StdioFileSystem disk;
  FakeMessagePort messages;
  TestPlan plan = ZurichGenevaPlan();
  std::string target = folder.File("plan.pln");
  WriteBytes(target, kOldPlan);

  std::string path = folder.File("plan.txt");
  messages.Answer(MessageAnswer::No);
  EXPECT_EQ(SaveOutcome::Declined, SavePlan(Msfs(), plan.Input(), path.c_str(), "plan.txt", {disk, messages}).outcome);
  EXPECT_EQ(kOldPlan, ReadBytes(target));

  messages.Answer(MessageAnswer::Yes);
  EXPECT_EQ(SaveOutcome::Written, SavePlan(Msfs(), plan.Input(), path.c_str(), "plan.txt", {disk, messages}).outcome);
  EXPECT_TRUE(MatchesGolden(ReadBytes(target), "msfs/zurich-geneva.pln"));
  EXPECT_EQ("plan.pln;", folder.Listing());
}

TEST(StdioFileSystem, DiscardedReplacementLeavesTheFolderAsItWas) {
  TemporaryFolder folder;
  StdioFileSystem disk;
  std::string target = folder.File("plan.pln");
  WriteBytes(target, kOldPlan);
  {
    std::unique_ptr<OutputFile> file = disk.CreateReplacement(target.c_str());
    ASSERT_NE(nullptr, file);
    file->Write("partial", 7);
    file->Discard();
  }
  {
    std::unique_ptr<OutputFile> dropped = disk.CreateReplacement(target.c_str());
    ASSERT_NE(nullptr, dropped);
    dropped->Write("dropped without commit", 22);
  }
  EXPECT_EQ(kOldPlan, ReadBytes(target));
  EXPECT_EQ("plan.pln;", folder.Listing());
}

TEST(StdioFileSystem, CannotCreateInAMissingFolder) {
  TemporaryFolder folder;
  StdioFileSystem disk;
  std::string target = folder.File("missing/plan.pln");
  EXPECT_EQ(nullptr, disk.CreateReplacement(target.c_str()));
  EXPECT_FALSE(disk.CanOpenForReading(target.c_str()));
}

}  // namespace
