// One text per menu command, looked up by the command's identifier.
#include "commands/MenuHelpTexts.h"

#include "host/ControlIds.h"

namespace {

struct MenuHelp {
  int itemId;
  const char* text;
};

const MenuHelp kMenuHelp[] = {
    {kExitCommand, "Terminates PlanTransit"},
    {kHelpTopicsCommand, "Displays Help on PlanTransit"},
    {kAboutCommand, "Displays Information about PlanTransit"},
    {kSaveCommand, "Creates a Bulk of Flightplans"},
    {kHelpOnHelpCommand, "Displays Help on WinHelp"},
    {kBuildCommand, "Builds the WP Table and Airport/Runway Table"},
    {kOpenCommand, "Opens a FliteStar/FliteMap Flightplan"},
    {kSaveAsCommand, "Creates a single Flightplan"},
    {kSettingsCommand, "Displays Settings Dialog"},
    {kPrintCommand, "Prints the Route Details"},
    {kStatusbarCommand, "Toggles Statusbar On or Off"},
    {kToolbarCommand, "Toggles Toolbar On or Off"},
};

}  // namespace

const char* MenuHelpText(int itemId) {
  for (const MenuHelp& help : kMenuHelp)
    if (help.itemId == itemId) return help.text;
  return "";
}
