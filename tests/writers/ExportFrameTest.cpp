// Every path of the save frame, for the MSFS plan through the fake ports, and the
// atomic replacement on real files.
#include <memory>
#include <utility>
#include <string>

#include <gtest/gtest.h>

#include "host/StdioFileSystem.h"
#include "support/Files.h"
#include "support/TestPorts.h"
#include "writers/FormatRegistry.h"
#include "writers/PlanReadBack.h"
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

// A writer with a planted fault: the real writer of the row, each position's
// latitude and longitude swapped (in decimal degrees and in the hemisphere,
// degrees and minutes some formats print). What it writes must never be put in
// place.
PlanWriter gRealWriter = nullptr;

void WriteWithLatitudeAndLongitudeSwapped(const PlanInput& plan, PlanStream& out) {
  RouteTable swapped = plan.route;
  for (uint32_t i = 0; i < swapped.waypointCount; ++i) {
    WaypointRow& row = swapped.rows[i];
    std::swap(row.latitude, row.longitude);
    std::swap(row.latHemisphere, row.lonHemisphere);
    std::swap(row.latDegrees, row.lonDegrees);
    std::swap(row.latMinutes, row.lonMinutes);
  }
  gRealWriter({swapped, plan.departureRunway, plan.destinationRunway, plan.flightRules, plan.routeKind, plan.date,
               plan.fileName},
              out);
}

TEST_F(ExportFrameTest, APlanThatDoesNotReadBackAsTheRouteIsNotPutInPlace) {
  int formatsReadBack = 0;
  for (const ExportType& real : kExportTypes) {
    if (real.readBack == nullptr || real.readBack->reader == nullptr) continue;
    SCOPED_TRACE(real.key);
    ++formatsReadBack;
    ExportType planted = real;
    gRealWriter = real.writer;
    planted.writer = WriteWithLatitudeAndLongitudeSwapped;
    TestPorts fresh;
    const std::string target = std::string("C:\\Flights\\plan") + real.extension;
    fresh.files.files[target] = kOldPlan;
    fresh.messages.Answer(MessageAnswer::Yes);
    SavedPlan saved = SavePlan(planted, plan.Input(), target.c_str(), "plan.txt", fresh.Save());
    EXPECT_EQ(SaveOutcome::NotAsWritten, saved.outcome);
    ASSERT_EQ(2u, fresh.messages.Messages().size());
    const RecordedMessage& error = fresh.messages.Messages()[1];
    EXPECT_EQ(MessageKind::Error, error.kind);
    // Either a point differs, or the file no longer reads as its format at all
    // (a latitude of 8 east is no latitude).
    const std::string start = std::string(saved.name) + " was not saved: read back, ";
    EXPECT_TRUE(error.text.rfind(start + "point ", 0) == 0 || error.text.rfind(start + "it does not read back: ", 0) == 0)
        << error.text;
    EXPECT_EQ(kOldPlan, fresh.files.files[target]);
    EXPECT_EQ(1u, fresh.files.files.size()) << "no temporary file stays";
  }
  EXPECT_GE(formatsReadBack, 12) << "every format of today is read back by its reader";
}

TEST_F(ExportFrameTest, TheFirstDifferenceReadBackIsNamedWithItsValues) {
  ExportType planted = *FindExportTypeByKey("fsx");
  gRealWriter = planted.writer;
  planted.writer = WriteWithLatitudeAndLongitudeSwapped;
  EXPECT_EQ(SaveOutcome::NotAsWritten, SavePlan(planted, plan.Input(), kTarget, "plan.pln", t.Save()).outcome);
  ExpectOnlyMessage("plan.pln was not saved: read back, point 1 (LSZH): latitude read back as 8.548000, written "
                    "for 47.458000",
                    MessageKind::Error, MessageButtons::Ok);
  EXPECT_TRUE(t.files.files.empty());
}

TEST_F(ExportFrameTest, WithTheReadBackOffThePlanIsPutInPlaceUnread) {
  ExportType planted = *FindExportTypeByKey("fsx");
  gRealWriter = planted.writer;
  planted.writer = WriteWithLatitudeAndLongitudeSwapped;
  SavePorts ports = t.Save();
  ports.verify = false;
  EXPECT_EQ(SaveOutcome::Written, SavePlan(planted, plan.Input(), kTarget, "plan.pln", ports).outcome);
  EXPECT_TRUE(t.messages.Messages().empty());
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
