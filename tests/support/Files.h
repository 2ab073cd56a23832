// Real files for tests: temporary folders, reading bytes, golden comparisons.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

// A fresh folder under the system's temporary folder, removed with its content.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The full path of `name` inside the folder, as 8-bit text.
  std::string File(const std::string& name) const;
  // Names of the files in the folder, sorted.
  std::string Listing() const;

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// The path of a checked-in expected file, e.g. GoldenPath("msfs/three-rows.pln").
std::string GoldenPath(const std::string& relative);

// Compares bytes with a golden file; on mismatch names the first differing offset
// and shows both texts with their control characters made visible.
::testing::AssertionResult MatchesGolden(const std::string& actual, const std::string& goldenRelative);
