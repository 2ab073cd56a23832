// Profile files on disk: creation with their folder, atomic replacement, and the
// cases in which a write must fail and leave the file as it was.
#include <string>

#include <gtest/gtest.h>

#include "config/ProfileFile.h"
#include "host/StdioFileSystem.h"
#include "support/FakeFileSystem.h"
#include "support/Files.h"

namespace {

constexpr const char* kKept = "; my settings\r\n[Startup]\r\nMenuoption=0\r\n";

class ProfileFileTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
  StdioFileSystem disk;
};

TEST_F(ProfileFileTest, FirstWriteCreatesTheFileAndItsFolders) {
  const std::string path = folder.File("one") + "/two/PlanTransit.cfg";
  ASSERT_TRUE(WriteProfileText(disk, path.c_str(), path.c_str(), "Startup", "FilterIndex", "3"));
  EXPECT_EQ("[Startup]\r\nFilterIndex=3\r\n", ReadBytes(path));
}

TEST_F(ProfileFileTest, ReplacementLeavesNoTemporaryFileBehind) {
  const std::string path = folder.File("PlanTransit.cfg");
  WriteBytes(path, kKept);
  ASSERT_TRUE(WriteProfileText(disk, path.c_str(), path.c_str(), "Startup", "Menuoption", "1"));
  EXPECT_EQ("; my settings\r\n[Startup]\r\nMenuoption=1\r\n", ReadBytes(path));
  EXPECT_EQ("PlanTransit.cfg;", folder.Listing());
}

TEST_F(ProfileFileTest, IntegersAreWrittenAsDecimalText) {
  const std::string path = folder.File("PlanTransit.cfg");
  ASSERT_TRUE(WriteProfileInt(disk, path.c_str(), path.c_str(), "Startup", "FilterIndex", 0));
  ASSERT_TRUE(WriteProfileInt(disk, path.c_str(), path.c_str(), "DefRouteType", "Routetype", 7));
  ASSERT_TRUE(WriteProfileInt(disk, path.c_str(), path.c_str(), "Startup", "Autogen", -3));
  EXPECT_EQ("[Startup]\r\nFilterIndex=0\r\nAutogen=-3\r\n\r\n[DefRouteType]\r\nRoutetype=7\r\n", ReadBytes(path));
}

TEST_F(ProfileFileTest, SourceIsCarriedOverToANewTargetAndStaysAsItWas) {
  const std::string oldPath = folder.File("old.cfg");
  const std::string newPath = folder.File("new") + "/PlanTransit.cfg";
  WriteBytes(oldPath, kKept);
  ASSERT_TRUE(WriteProfileText(disk, oldPath.c_str(), newPath.c_str(), "Startup", "FilterIndex", "2"));
  EXPECT_EQ(std::string(kKept) + "FilterIndex=2\r\n", ReadBytes(newPath));
  EXPECT_EQ(kKept, ReadBytes(oldPath));
}

TEST_F(ProfileFileTest, UnreadableSourceIsNeverOverwritten) {
  // A folder in the file's place exists but cannot be read as a file.
  const std::string path = folder.File("PlanTransit.cfg");
  std::filesystem::create_directory(path);
  std::string text;
  EXPECT_EQ(FileReadResult::Failed, LoadProfileFile(disk, path.c_str(), text));
  const std::string target = folder.File("target.cfg");
  WriteBytes(target, kKept);
  EXPECT_FALSE(WriteProfileText(disk, path.c_str(), target.c_str(), "Startup", "Menuoption", "1"));
  EXPECT_EQ(kKept, ReadBytes(target));
}

TEST_F(ProfileFileTest, FileBeyondTheSizeLimitIsNeitherReadNorRewritten) {
  const std::string path = folder.File("PlanTransit.cfg");
  const std::string huge = std::string(kKept) + std::string(kProfileSizeLimit, ';');
  WriteBytes(path, huge);
  std::string text;
  EXPECT_EQ(FileReadResult::Failed, LoadProfileFile(disk, path.c_str(), text));
  EXPECT_TRUE(text.empty());
  EXPECT_FALSE(WriteProfileText(disk, path.c_str(), path.c_str(), "Startup", "Menuoption", "1"));
  EXPECT_EQ(huge, ReadBytes(path));
}

TEST_F(ProfileFileTest, FileAtTheSizeLimitIsRead) {
  const std::string path = folder.File("PlanTransit.cfg");
  const std::string full = std::string(kKept) + std::string(kProfileSizeLimit - std::string(kKept).size(), ';');
  WriteBytes(path, full);
  std::string text;
  EXPECT_EQ(FileReadResult::Read, LoadProfileFile(disk, path.c_str(), text));
  EXPECT_EQ(full.size(), text.size());
}

TEST_F(ProfileFileTest, MissingFileAndEmptyPathReadAsMissing) {
  std::string text = "stale";
  EXPECT_EQ(FileReadResult::Missing, LoadProfileFile(disk, folder.File("none.cfg").c_str(), text));
  EXPECT_TRUE(text.empty());
  EXPECT_EQ(FileReadResult::Missing, LoadProfileFile(disk, "", text));
}

TEST_F(ProfileFileTest, WriteFailsWhenTheFolderCannotBeCreated) {
  const std::string blocker = folder.File("blocker");
  WriteBytes(blocker, "a file where a folder should be");
  const std::string path = blocker + "/PlanTransit.cfg";
  EXPECT_FALSE(WriteProfileText(disk, path.c_str(), path.c_str(), "Startup", "Menuoption", "1"));
  EXPECT_EQ("a file where a folder should be", ReadBytes(blocker));
}

TEST_F(ProfileFileTest, WriteFailsWithoutATarget) {
  EXPECT_FALSE(WriteProfileText(disk, "", "", "Startup", "Menuoption", "1"));
}

TEST_F(ProfileFileTest, RefusedNamesLeaveTheFileAsItWas) {
  const std::string path = folder.File("PlanTransit.cfg");
  WriteBytes(path, kKept);
  EXPECT_FALSE(WriteProfileText(disk, path.c_str(), path.c_str(), "Startup", "Menuoption", "1\r\n[X]"));
  EXPECT_EQ(kKept, ReadBytes(path));
}

struct FaultCase {
  const char* name;
  void (*inject)(FakeFileSystem& files);
};

TEST(ProfileFileFaultTest, AFailedWriteKeepsTheOldFileAndSaysSo) {
  const FaultCase cases[] = {
      {"write error", [](FakeFileSystem& files) { files.FailWrite(1); }},
      {"error at commit, as a full disk shows", [](FakeFileSystem& files) { files.failCommit = true; }},
      {"replacement cannot be created", [](FakeFileSystem& files) { files.uncreatable.insert("cfg"); }},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakeFileSystem files;
    files.files["cfg"] = kKept;
    c.inject(files);
    EXPECT_FALSE(WriteProfileText(files, "cfg", "cfg", "Startup", "Menuoption", "1"));
    EXPECT_EQ(kKept, files.files["cfg"]);
    EXPECT_EQ(0, files.openReplacements);
  }
}

}  // namespace
