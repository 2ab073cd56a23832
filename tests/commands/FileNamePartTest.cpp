// The file-name part of paths as Windows writes them.
#include <gtest/gtest.h>

#include "commands/FileNamePart.h"

namespace {

TEST(FileNamePart, AnswersTheTextAfterTheLastSeparator) {
  struct Case {
    const char* path;
    const char* name;
  };
  const Case cases[] = {
      {"C:\\Plans\\lszh.txt", "lszh.txt"},
      {"C:lszh.txt", "lszh.txt"},
      {"lszh.txt", "lszh.txt"},
      {"\\lszh.txt", "lszh.txt"},
      {"C:\\Plans.v2\\lszh", "lszh"},
      {"\\\\server\\share\\lszh.txt", "lszh.txt"},
      {"C:/Plans/lszh.txt", "lszh.txt"},
      {"C:\\Plans\\", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_STREQ(c.name, FileNamePart(c.path));
  }
}

TEST(FileNamePart, PointsIntoThePathItWasGiven) {
  const char* path = "C:\\Plans\\lszh.txt";
  EXPECT_EQ(path + 9, FileNamePart(path));
}

TEST(FileNamePart, AnswersNothingForNoPath) { EXPECT_EQ(nullptr, FileNamePart(nullptr)); }

}  // namespace
