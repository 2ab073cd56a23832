// The tooltip table: a button and the menu command of the same action share a text.
#include "commands/TooltipTexts.h"

#include "host/ControlIds.h"

namespace {

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

const char* FindTooltipText(int id) {
  for (const TooltipEntry& entry : kTooltips) {
    if (entry.id == id) return entry.text;
  }
  return nullptr;
}
