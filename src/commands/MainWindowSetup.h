// The main window's file fields and radio buttons: filled from the program
// settings when the window is initialised, and read into a plan's flight and
// route type when a plan is written.
#pragma once

#include "commands/Session.h"
#include "writers/PlanInput.h"

class WindowPort;

// Shows `sourceFilePath` in edit 1010 and `destFilePath` in edit 1013.
void ShowFilePaths(Session& session);

// The radio button a `defaultFlightType` preset checks: 0 VFR (1002), 1 IFR
// (1003); 0 for any other value, which checks neither.
int FlightTypeRadio(int preset);

// The radio button a `defaultRouteType` preset checks: 0 Direct GPS (1008), 1 VOR
// to VOR (1005), 2 low (1006), 3 high airways (1007); 0 for any other value.
int RouteTypeRadio(int preset);

// Checks the flight-type and route-type buttons the presets name; a group whose
// preset is out of range is left as it is (nothing checked in a new window).
void PresetRouteChoices(Session& session);

struct PlanChoices {
  FlightRules flightRules;
  RouteKind routeKind;
};

// The first checked button of each radio group ("VFR" before "IFR"; "Direct GPS",
// "VOR to VOR", "Low Altitude Airways", "High Altitude Airways"); None for a
// group without one.
PlanChoices ReadPlanChoices(WindowPort& window);
