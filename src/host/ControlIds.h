// Identifiers of the main window's controls, of the program's commands and of its
// resources, shared by the core (which addresses controls through the window port)
// and the shell. The numbers themselves live in ResourceIds.h, which the resource
// script reads as well.
#pragma once

#include "host/ResourceIds.h"

enum ControlId : int {
  kCancelButton = IDC_CANCEL_BUTTON,
  kHelpButton = IDC_HELP_BUTTON,
  kStatusBar = IDC_STATUS_BAR,
  kToolbar = IDC_TOOLBAR,
  kVfrRadio = IDC_VFR_RADIO,
  kIfrRadio = IDC_IFR_RADIO,
  kVorToVorRadio = IDC_VOR_TO_VOR_RADIO,
  kLowAirwaysRadio = IDC_LOW_AIRWAYS_RADIO,
  kHighAirwaysRadio = IDC_HIGH_AIRWAYS_RADIO,
  kDirectGpsRadio = IDC_DIRECT_GPS_RADIO,
  kSourceEdit = IDC_SOURCE_EDIT,
  kOpenButton = IDC_OPEN_BUTTON,
  kDestinationEdit = IDC_DESTINATION_EDIT,
  kSaveAsButton = IDC_SAVE_AS_BUTTON,
  kDepartureIdentStatic = IDC_DEPARTURE_IDENT,
  kDestinationIdentStatic = IDC_DESTINATION_IDENT,
  kBuildButton = IDC_BUILD_BUTTON,
  kRouteEdit = IDC_ROUTE_EDIT,
  kDepartureRunwayList = IDC_DEPARTURE_RUNWAYS,
  kLandingRunwayList = IDC_LANDING_RUNWAYS,
  kDepartureNameStatic = IDC_DEPARTURE_NAME,
  kDestinationNameStatic = IDC_DESTINATION_NAME,
  kSaveButton = IDC_SAVE_BUTTON,
  kDetailsButton = IDC_DETAILS_BUTTON,
  kAnimation = IDC_ANIMATION,
  kCruiseAltitudeStatic = IDC_CRUISE_ALTITUDE,
};

enum CommandId : int {
  kExitCommand = IDM_EXIT,
  kHelpTopicsCommand = IDM_HELP_TOPICS,
  kAboutCommand = IDM_ABOUT,
  kSaveCommand = IDM_SAVE,
  kHelpOnHelpCommand = IDM_HELP_ON_HELP,
  kBuildCommand = IDM_BUILD,
  kOpenCommand = IDM_OPEN,
  kSaveAsCommand = IDM_SAVE_AS,
  kSettingsCommand = IDM_SETTINGS,
  kPrintCommand = IDM_PRINT,
  kStatusbarCommand = IDM_STATUSBAR,
  kToolbarCommand = IDM_TOOLBAR,
};

enum ResourceId : int {
  kMainWindowTemplate = IDD_MAIN_WINDOW,
  kProgramIcon = IDI_PROGRAM,
  kMainMenu = IDR_MAIN_MENU,
  kAcceleratorTable = IDR_ACCELERATORS,
  kToolbarBitmap = IDB_TOOLBAR,
  kWaypointBitmap = IDB_WAYPOINTS,
  kPrintErrorString = IDS_PRINT_ERROR,
};
