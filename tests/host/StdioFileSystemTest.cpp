// The real file port's whole-file reading, folder creation, and a replacement
// read back before it takes its target's place.
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "host/StdioFileSystem.h"
#include "support/Files.h"

namespace {

class StdioFileSystemTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
  StdioFileSystem disk;
  std::string contents = "stale";
};

TEST_F(StdioFileSystemTest, ReadsEveryByteAsItIsOnDisk) {
  const std::string bytes("[A]\r\nk=v\n\0\xFF\r", 13);
  WriteBytes(folder.File("f"), bytes);
  EXPECT_EQ(FileReadResult::Read, disk.ReadWholeFile(folder.File("f").c_str(), 13, contents));
  EXPECT_EQ(bytes, contents);
}

TEST_F(StdioFileSystemTest, ReadsAnEmptyFile) {
  WriteBytes(folder.File("f"), "");
  EXPECT_EQ(FileReadResult::Read, disk.ReadWholeFile(folder.File("f").c_str(), 10, contents));
  EXPECT_EQ("", contents);
}

TEST_F(StdioFileSystemTest, FileLargerThanTheLimitFails) {
  WriteBytes(folder.File("f"), std::string(10000, 'x'));
  EXPECT_EQ(FileReadResult::Failed, disk.ReadWholeFile(folder.File("f").c_str(), 9999, contents));
  EXPECT_EQ("", contents);
}

TEST_F(StdioFileSystemTest, MissingFileIsMissingAndAFolderFails) {
  EXPECT_EQ(FileReadResult::Missing, disk.ReadWholeFile(folder.File("none").c_str(), 10, contents));
  EXPECT_EQ("", contents);
  EXPECT_EQ(FileReadResult::Failed, disk.ReadWholeFile(folder.Path().string().c_str(), 10, contents));
}

TEST_F(StdioFileSystemTest, CreatesEveryMissingFolderOfAPath) {
  const std::string path = folder.File("a") + "/b//c";
  EXPECT_TRUE(disk.CreateFolders(path.c_str()));
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "a" / "b" / "c"));
  EXPECT_TRUE(disk.CreateFolders(path.c_str())) << "an existing folder is fine";
}

TEST_F(StdioFileSystemTest, FolderCreationFailsWhereAFileIsInTheWay) {
  WriteBytes(folder.File("a"), "file");
  EXPECT_FALSE(disk.CreateFolders((folder.File("a") + "/b").c_str()));
  EXPECT_FALSE(disk.CreateFolders(folder.File("a").c_str()));
  EXPECT_EQ("file", ReadBytes(folder.File("a")));
}

TEST_F(StdioFileSystemTest, AReplacementReadsBackWhatWasWrittenAndWritesOnAfterwards) {
  const std::string target = folder.File("plan.pln");
  WriteBytes(target, "old");
  std::unique_ptr<OutputFile> file = disk.CreateReplacement(target.c_str());
  ASSERT_NE(nullptr, file);
  const std::string first(20000, 'a'), second("\r\nend\0", 7);
  file->Write(first.data(), first.size());
  std::string bytes;
  EXPECT_FALSE(file->ReadBack(first.size() - 1, bytes)) << "more than the limit";
  ASSERT_TRUE(file->ReadBack(first.size(), bytes));
  EXPECT_EQ(first, bytes);
  file->Write(second.data(), second.size());
  ASSERT_TRUE(file->ReadBack(first.size() + second.size(), bytes));
  EXPECT_EQ(first + second, bytes);
  EXPECT_EQ("old", ReadBytes(target)) << "the target stays until the commit";
  ASSERT_TRUE(file->Commit());
  EXPECT_EQ(first + second, ReadBytes(target));
  EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(folder.Path()), {})) << "no temporary file left";
}

}  // namespace
