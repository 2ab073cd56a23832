// Extension replacement: only the file-name part's last dot counts.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "writers/FileExtension.h"

namespace {

struct ExtensionCase {
  const char* before;
  const char* extension;
  const char* after;
};

TEST(ReplaceExtension, ReplacesFromTheLastDotOfTheFileName) {
  const ExtensionCase cases[] = {
      {"plan.txt", ".pln", "plan.pln"},
      {"plan", ".pln", "plan"},                      // no dot: nothing appended
      {"plan.", ".prg", "plan.prg"},                 // a trailing dot takes the extension
      {"LSZH-LSGA.", ".apl", "LSZH-LSGA.apl"},
      {"St. Gallen to Bern.", ".sbp", "St. Gallen to Bern.sbp"},
      {"route.backup.txt", ".pln", "route.backup.pln"},
      {"C:\\Flights\\route.txt", ".prg", "C:\\Flights\\route.prg"},
      {"C:\\Flights.v2\\plan", ".pln", "C:\\Flights.v2\\plan"},  // a dot in a folder never counts
      {"/home/pilot/flights.v2/plan", ".pln", "/home/pilot/flights.v2/plan"},
      {"/home/pilot/flights.v2/plan.txt", ".apl", "/home/pilot/flights.v2/plan.apl"},
      {"D:.hidden", ".pln", "D:.pln"},
      {"", ".pln", ""},
  };
  for (const ExtensionCase& c : cases) {
    SCOPED_TRACE(c.before);
    char text[260];
    std::strcpy(text, c.before);
    EXPECT_TRUE(ReplaceExtension(text, c.extension));
    EXPECT_STREQ(c.after, text);
  }
}

TEST(ReplaceExtension, RefusesAResultThatDoesNotFitAndLeavesTheTextAlone) {
  std::string longName(257, 'a');
  longName += ".";  // 258 characters: ".pln" would make 261 bytes with the zero
  char text[260];
  std::strcpy(text, longName.c_str());
  EXPECT_FALSE(ReplaceExtension(text, ".pln"));
  EXPECT_EQ(longName, text);

  std::string fits(255, 'b');
  fits += ".";  // 256 characters: ".pln" gives exactly 259
  std::strcpy(text, fits.c_str());
  EXPECT_TRUE(ReplaceExtension(text, ".pln"));
  EXPECT_EQ(259u, std::strlen(text));
}

TEST(FileNamePartOf, TakesTheTextAfterTheLastSeparator) {
  EXPECT_STREQ("plan.txt", FileNamePartOf("C:\\Flights\\plan.txt"));
  EXPECT_STREQ("plan.txt", FileNamePartOf("/tmp/plan.txt"));
  EXPECT_STREQ("plan.txt", FileNamePartOf("C:plan.txt"));
  EXPECT_STREQ("plan.txt", FileNamePartOf("plan.txt"));
  EXPECT_STREQ("", FileNamePartOf("C:\\Flights\\"));
  EXPECT_STREQ("", FileNamePartOf(""));
  EXPECT_STREQ("lszh", FileNamePartOf("C:\\Plans.v2\\lszh"));
  EXPECT_STREQ("lszh.txt", FileNamePartOf("\\\\server\\share\\lszh.txt"));
  const char* path = "C:\\Plans\\lszh.txt";
  EXPECT_EQ(path + 9, FileNamePartOf(path)) << "the answer points into the path";
}

}  // namespace
