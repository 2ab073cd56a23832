// The texts of the main window's commands: the status bar's help text for every
// menu item (and none for anything else), and the tooltip table.
#include <string>

#include <gtest/gtest.h>

#include "commands/CommandTexts.h"

namespace {

TEST(MenuHelpTexts, EveryMenuCommandHasItsText) {
  struct Case {
    int itemId;
    const char* text;
  };
  const Case cases[] = {
      {40001, "Terminates PlanTransit"},
      {40002, "Displays Help on PlanTransit"},
      {40003, "Displays Information about PlanTransit"},
      {40004, "Creates a Bulk of Flightplans"},
      {40005, "Displays Help on WinHelp"},
      {40006, "Builds the WP Table and Airport/Runway Table"},
      {40007, "Opens a FliteStar/FliteMap Flightplan"},
      {40008, "Creates a single Flightplan"},
      {40009, "Displays Settings Dialog"},
      {40010, "Prints the Route Details"},
      {40013, "Toggles Statusbar On or Off"},
      {40014, "Toggles Toolbar On or Off"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.itemId);
    EXPECT_STREQ(MenuHelpText(c.itemId), c.text);
  }
}

TEST(MenuHelpTexts, PopupsTheSystemMenuHelpAndMenuClosingGetAnEmptyText) {
  for (int itemId : {0, 1, 2, 3, 9, 40011, 40012, 40015, 0xFFFF, -1}) {
    SCOPED_TRACE(itemId);
    EXPECT_STREQ(MenuHelpText(itemId), "");
  }
}

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
