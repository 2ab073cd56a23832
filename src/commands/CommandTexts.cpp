// The texts the window shows for its commands: the menu help in the status bar
// and the tooltips. A button and the menu command of the same action share a
// tooltip text.
#include "commands/CommandTexts.h"

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

struct TooltipEntry {
  int id;
  const char* text;
};

const TooltipEntry kTooltips[] = {
    {kCancelButton, "Cancel the Flightplan"},
    {kExitCommand, "Cancel the Flightplan"},
    {kHelpButton, "Help on PlanTransit"},
    {kHelpTopicsCommand, "Help on PlanTransit"},
    {kSourceEdit, "Name of the FliteStar Flightplan"},
    {kOpenButton, "Open FliteStar Flightplan"},
    {kOpenCommand, "Open FliteStar Flightplan"},
    {kDestinationEdit, "Name of the MS FS2K Flightplan"},
    {kSaveAsButton, "Set Name of the Flightplan to save"},
    {kSaveAsCommand, "Set Name of the Flightplan to save"},
    {kBuildButton, "Build Waypoint Table"},
    {kBuildCommand, "Build Waypoint Table"},
    {kDepartureRunwayList, "Select Departure Runway"},
    {kLandingRunwayList, "Select Landing Runway"},
    {kSaveButton, "Save Flightplan"},
    {kSaveCommand, "Save Flightplan"},
    {kDetailsButton, "Displays Route Details"},
    {kPrintCommand, "Print Route Details"},
};

}  // namespace

const char* MenuHelpText(int itemId) {
  for (const MenuHelp& help : kMenuHelp)
    if (help.itemId == itemId) return help.text;
  return "";
}

const char* FindTooltipText(int id) {
  for (const TooltipEntry& entry : kTooltips) {
    if (entry.id == id) return entry.text;
  }
  return nullptr;
}
