// The title rule of the program's windows.
#include <string>

#include <gtest/gtest.h>

#include "commands/Caption.h"
#include "support/TestSession.h"

namespace {

TEST(Caption, PutsTheProgramNameBeforeTheText) {
  char title[kPathSize];
  FormatCaption("Please select a valid path and filename", title);
  EXPECT_STREQ("PlanTransit - Please select a valid path and filename", title);
}

TEST(Caption, AnEmptyTextKeepsTheSeparator) {
  char title[kPathSize];
  FormatCaption("", title);
  EXPECT_STREQ("PlanTransit - ", title);
}

TEST(Caption, ALongTextIsCutToTheBuffer) {
  std::string name(300, 'n');
  char title[kPathSize];
  FormatCaption(name.c_str(), title);
  EXPECT_EQ("PlanTransit - " + std::string(259 - 14, 'n'), title);
}

TEST(Caption, SetCaptionTitlesTheMainWindow) {
  TestSession t;
  SetCaption(t.window, "lszh.txt");
  EXPECT_EQ("PlanTransit - lszh.txt", t.window.title);
}

}  // namespace
