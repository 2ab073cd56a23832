// The real environment port: variables, the current folder, the Windows folder
// and the program's folder.
#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "host/ProcessEnvironment.h"

namespace {

TEST(ProcessEnvironmentTest, UnsetVariableIsNull) {
  ProcessEnvironment environment;
  EXPECT_EQ(nullptr, environment.Variable("PLANTRANSIT_NO_SUCH_VARIABLE_EVER"));
}

TEST(ProcessEnvironmentTest, CurrentFolderIsTheProcesssOwn) {
  ProcessEnvironment environment;
  char folder[260];
  ASSERT_TRUE(environment.CurrentFolder(folder, sizeof folder));
  EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), folder)) << folder;
}

TEST(ProcessEnvironmentTest, FolderThatDoesNotFitIsRefused) {
  ProcessEnvironment environment;
  char folder[2] = "#";
  EXPECT_FALSE(environment.CurrentFolder(folder, sizeof folder));
  EXPECT_FALSE(environment.WindowsFolder(folder, sizeof folder));
  EXPECT_FALSE(environment.ProgramFolder(folder, sizeof folder));
}

TEST(ProcessEnvironmentTest, ProgramFolderHoldsTheRunningTestProgram) {
  ProcessEnvironment environment;
  char folder[260] = "";
  ASSERT_TRUE(environment.ProgramFolder(folder, sizeof folder));
#ifdef _WIN32
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(folder) / "host_tests.exe")) << folder;
#else
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(folder) / "host_tests")) << folder;
#endif
}

TEST(ProcessEnvironmentTest, WindowsFolderExistsOnlyOnWindows) {
  ProcessEnvironment environment;
  char folder[260] = "";
#ifdef _WIN32
  ASSERT_TRUE(environment.WindowsFolder(folder, sizeof folder));
  EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
#else
  EXPECT_FALSE(environment.WindowsFolder(folder, sizeof folder));
#endif
}

}  // namespace
