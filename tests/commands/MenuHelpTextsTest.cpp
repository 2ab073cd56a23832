// The status bar's help text for every menu item, and none for anything else.
#include <gtest/gtest.h>

#include <string>

#include "commands/MenuHelpTexts.h"

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

}  // namespace
