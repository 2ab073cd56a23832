// Identifiers of the main window's controls and of the program's commands, shared
// by the core (which addresses controls through the window port) and the shell.
#pragma once

enum ControlId : int {
  kCancelButton = 2,
  kHelpButton = 9,
  kVfrRadio = 1002,
  kIfrRadio = 1003,
  kVorToVorRadio = 1005,
  kLowAirwaysRadio = 1006,
  kHighAirwaysRadio = 1007,
  kDirectGpsRadio = 1008,
  kSourceEdit = 1010,
  kOpenButton = 1011,
  kDestinationEdit = 1013,
  kSaveAsButton = 1014,
  kDepartureIdentStatic = 1015,
  kDestinationIdentStatic = 1016,
  kBuildButton = 1019,
  kRouteEdit = 1020,
  kDepartureRunwayList = 1021,
  kLandingRunwayList = 1022,
  kDepartureNameStatic = 1023,
  kDestinationNameStatic = 1024,
  kSaveButton = 1030,
  kDetailsButton = 1033,
  kAnimation = 1052,
  kCruiseAltitudeStatic = 1061,
};

enum CommandId : int {
  kExitCommand = 40001,
  kHelpTopicsCommand = 40002,
  kAboutCommand = 40003,
  kSaveCommand = 40004,
  kHelpOnHelpCommand = 40005,
  kBuildCommand = 40006,
  kOpenCommand = 40007,
  kSaveAsCommand = 40008,
  kSettingsCommand = 40009,
  kPrintCommand = 40010,
  kStatusbarCommand = 40013,
  kToolbarCommand = 40014,
};
