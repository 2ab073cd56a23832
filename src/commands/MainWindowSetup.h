// The main window's initial contents, filled from the program settings when the
// window is initialised: file fields, flight- and route-type presets, and the
// commands that need a built route.
#pragma once

struct App;

// Shows `sourceFilePath` in edit 1010 and `destFilePath` in edit 1013.
void ShowFilePaths(App& app);

// The radio button a `defaultFlightType` preset checks: 0 VFR (1002), 1 IFR
// (1003); 0 for any other value, which checks neither.
int FlightTypeRadio(int preset);

// The radio button a `defaultRouteType` preset checks: 0 Direct GPS (1008), 1 VOR
// to VOR (1005), 2 low (1006), 3 high airways (1007); 0 for any other value.
int RouteTypeRadio(int preset);

// Checks the flight-type and route-type buttons the presets name; a group whose
// preset is out of range is left as it is (nothing checked in a new window).
void PresetRouteChoices(App& app);
