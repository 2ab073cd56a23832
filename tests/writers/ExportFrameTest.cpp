// Every path of the export frame, through the MSFS writer and the fake ports, and
// the atomic replacement on real files.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "host/StdioFileSystem.h"
#include "support/Files.h"
#include "support/TestApp.h"
#include "support/TestRoutes.h"
#include "writers/PlanWriters.h"

namespace {

constexpr const char* kTarget = "C:\\Flights\\plan.pln";
constexpr const char* kOldPlan = "the plan that was there\r\n";

class ExportFrameTest : public ::testing::Test {
 protected:
  ExportFrameTest() {
    MakeZurichGenevaRoute(t.app.route);
    t.window.checked[kVfrRadio] = true;
    t.window.checked[kVorToVorRadio] = true;
    std::strcpy(path, "C:\\Flights\\plan.txt");
    std::strcpy(name, "plan.txt");
  }

  int Write() { return WriteMsfsPlan(t.app, path, name); }

  void ExpectOnlyMessage(const std::string& text, MessageKind kind, MessageButtons buttons) {
    ASSERT_EQ(1u, t.messages.Messages().size());
    const RecordedMessage& message = t.messages.Messages()[0];
    EXPECT_EQ(text, message.text);
    EXPECT_EQ(DescribeKind(kind), DescribeKind(message.kind));
    EXPECT_EQ(DescribeButtons(buttons), DescribeButtons(message.buttons));
  }

  TestApp t;
  char path[260];
  char name[260];
};

TEST_F(ExportFrameTest, WritesTheNewExtensionAndClearsRouteUnsaved) {
  EXPECT_EQ(1, Write());
  EXPECT_STREQ(kTarget, path);
  EXPECT_STREQ("plan.pln", name);
  EXPECT_EQ(1u, t.files.files.count(kTarget));
  EXPECT_TRUE(t.messages.Messages().empty());
  EXPECT_FALSE(t.app.route.routeUnsaved);
}

TEST_F(ExportFrameTest, EmptyPathIsRefusedWithAnErrorAndCreatesNothing) {
  path[0] = '\0';
  EXPECT_EQ(0, Write());
  ExpectOnlyMessage("No MS Flight Simulator Flightplan Filename supplied!", MessageKind::Error,
                    MessageButtons::Ok);
  EXPECT_TRUE(t.files.files.empty());
  EXPECT_TRUE(t.app.route.routeUnsaved);
}

TEST_F(ExportFrameTest, OverwriteQuestionNamesTheFileWithItsNewExtension) {
  t.files.files[kTarget] = kOldPlan;
  t.messages.Answer(MessageAnswer::Yes);
  EXPECT_EQ(1, Write());
  ExpectOnlyMessage("An MS Flight Simulator Flight plan plan.pln already exists!\n"
                    "Do you want to overwrite it?",
                    MessageKind::Warning, MessageButtons::YesNo);
  EXPECT_TRUE(MatchesGolden(t.files.files[kTarget], "msfs/zurich-geneva.pln"));
}

TEST_F(ExportFrameTest, AnsweringNoLeavesTheOldFileAndSaysNothingMore) {
  t.files.files[kTarget] = kOldPlan;
  t.messages.Answer(MessageAnswer::No);
  EXPECT_EQ(0, Write());
  EXPECT_EQ(1u, t.messages.Messages().size());
  EXPECT_EQ(kOldPlan, t.files.files[kTarget]);
  EXPECT_EQ(0, t.files.openReplacements);
  EXPECT_TRUE(t.app.route.routeUnsaved);
}

TEST_F(ExportFrameTest, AFileThatCannotBeReadCountsAsNotExisting) {
  t.files.files[kTarget] = kOldPlan;
  t.files.unreadable.insert(kTarget);
  EXPECT_EQ(1, Write());
  EXPECT_TRUE(t.messages.Messages().empty());
}

TEST_F(ExportFrameTest, CreateFailureIsAWarning) {
  t.files.uncreatable.insert(kTarget);
  EXPECT_EQ(0, Write());
  ExpectOnlyMessage("Failed to create MS Flight Simulator Flight plan plan.pln", MessageKind::Warning,
                    MessageButtons::Ok);
  EXPECT_TRUE(t.files.files.empty());
}

TEST_F(ExportFrameTest, WriteFailureLeavesNoPartialFileAndTheOldOneUntouched) {
  // The first write fails inside the header block, the 25th inside the second
  // waypoint line (the header takes 22 writes: a text and a line end per line).
  for (int failingWrite : {1, 25}) {
    SCOPED_TRACE(failingWrite);
    TestApp fresh;
    MakeZurichGenevaRoute(fresh.app.route);
    fresh.files.files[kTarget] = kOldPlan;
    fresh.files.FailWrite(failingWrite);
    fresh.messages.Answer(MessageAnswer::Yes);
    char freshPath[260] = "C:\\Flights\\plan.pln";
    char freshName[260] = "plan.pln";
    EXPECT_EQ(0, WriteMsfsPlan(fresh.app, freshPath, freshName));
    ASSERT_EQ(2u, fresh.messages.Messages().size());
    const RecordedMessage& error = fresh.messages.Messages()[1];
    EXPECT_EQ("Error while writing to MS FS Flightplan file plan.pln", error.text);
    EXPECT_EQ("error", DescribeKind(error.kind));
    EXPECT_EQ(kOldPlan, fresh.files.files[kTarget]);
    EXPECT_EQ(0, fresh.files.openReplacements);
    EXPECT_TRUE(fresh.app.route.routeUnsaved);
  }
}

TEST_F(ExportFrameTest, AFailureThatShowsOnlyAtCloseIsAWriteError) {
  t.files.failCommit = true;
  EXPECT_EQ(0, Write());
  ExpectOnlyMessage("Error while writing to MS FS Flightplan file plan.pln", MessageKind::Error,
                    MessageButtons::Ok);
  EXPECT_TRUE(t.files.files.empty());
  EXPECT_TRUE(t.app.route.routeUnsaved);
}

TEST_F(ExportFrameTest, ANameThatCannotTakeItsExtensionIsNotCreated) {
  std::string longName(257, 'n');
  longName += ".";
  std::strcpy(name, longName.c_str());
  std::strcpy(path, longName.c_str());
  EXPECT_EQ(0, Write());
  ExpectOnlyMessage("Failed to create MS Flight Simulator Flight plan " + longName,
                    MessageKind::Warning, MessageButtons::Ok);
  EXPECT_TRUE(t.files.files.empty());
}

// The same frame on the disk: the plan replaces the old file and no temporary
// file stays behind, whether the write succeeded or was refused.
TEST(StdioExportFrame, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  TemporaryFolder folder;
  StdioFileSystem disk;
  TestApp t;
  t.app.host.files = &disk;
  MakeZurichGenevaRoute(t.app.route);
  t.window.checked[kVfrRadio] = true;
  t.window.checked[kVorToVorRadio] = true;
  std::string target = folder.File("plan.pln");
  WriteBytes(target, kOldPlan);

  char path[260];
  char name[260] = "plan.txt";
  std::snprintf(path, sizeof path, "%s", folder.File("plan.txt").c_str());
  t.messages.Answer(MessageAnswer::No);
  EXPECT_EQ(0, WriteMsfsPlan(t.app, path, name));
  EXPECT_EQ(kOldPlan, ReadBytes(target));

  t.messages.Answer(MessageAnswer::Yes);
  EXPECT_EQ(1, WriteMsfsPlan(t.app, path, name));
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
