// The tooltip table: every control and command with a text, and those without.
#include <string>

#include <gtest/gtest.h>

#include "commands/TooltipTexts.h"

namespace {

TEST(TooltipTexts, ButtonsAndTheirCommandsShareATextAsListed) {
  struct Case {
    int id;
    const char* text;
  };
  const Case cases[] = {
      {2, "Cancel the Flightplan"},
      {40001, "Cancel the Flightplan"},
      {9, "Help on PlanTransit"},
      {40002, "Help on PlanTransit"},
      {1010, "Name of the FliteStar Flightplan"},
      {1011, "Open FliteStar Flightplan"},
      {40007, "Open FliteStar Flightplan"},
      {1013, "Name of the MS FS2K Flightplan"},
      {1014, "Set Name of the Flightplan to save"},
      {40008, "Set Name of the Flightplan to save"},
      {1019, "Build Waypoint Table"},
      {40006, "Build Waypoint Table"},
      {1021, "Select Departure Runway"},
      {1022, "Select Landing Runway"},
      {1030, "Save Flightplan"},
      {40004, "Save Flightplan"},
      {1033, "Displays Route Details"},
      {40010, "Print Route Details"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    const char* text = FindTooltipText(c.id);
    ASSERT_NE(nullptr, text);
    EXPECT_STREQ(c.text, text);
  }
}

TEST(TooltipTexts, LabelsRadioButtonsAndOtherCommandsHaveNone) {
  const int ids[] = {0, -1, 1, 1002, 1003, 1005, 1008, 1015, 1016, 1020, 1023, 1024,
                     1052, 1061, 106, 118, 40003, 40005, 40009, 40013, 40014};
  for (int id : ids) {
    SCOPED_TRACE(id);
    EXPECT_EQ(nullptr, FindTooltipText(id));
  }
}

}  // namespace
