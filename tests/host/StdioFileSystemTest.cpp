// The real file port's whole-file reading and folder creation.
#include <filesystem>
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

}  // namespace
