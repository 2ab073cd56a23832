/* The numbers of the program's resources, controls and commands. Plain macros in
   C syntax, because the resource compiler reads this file too and knows no enums;
   C++ code uses the names of ControlIds.h, which are defined from these. */
#ifndef PLANTRANSIT_RESOURCE_IDS_H
#define PLANTRANSIT_RESOURCE_IDS_H

/* Resources. */
#define IDD_MAIN_WINDOW 102
#define IDI_PROGRAM 104
#define IDR_MAIN_MENU 105
#define IDR_ACCELERATORS 109
#define IDB_TOOLBAR 118
#define IDB_WAYPOINTS 119
#define IDS_PRINT_ERROR 1
#define IDD_OPTIONS_PAGE 107
#define IDD_EXPORTS_PAGE 108
#define IDD_SIMULATORS_PAGE 111

/* Controls of the main window. */
#define IDC_CANCEL_BUTTON 2
#define IDC_HELP_BUTTON 9
#define IDC_STATUS_BAR 106
#define IDC_TOOLBAR 118
#define IDC_VFR_RADIO 1002
#define IDC_IFR_RADIO 1003
#define IDC_VOR_TO_VOR_RADIO 1005
#define IDC_LOW_AIRWAYS_RADIO 1006
#define IDC_HIGH_AIRWAYS_RADIO 1007
#define IDC_DIRECT_GPS_RADIO 1008
#define IDC_SOURCE_EDIT 1010
#define IDC_OPEN_BUTTON 1011
#define IDC_DESTINATION_EDIT 1013
#define IDC_SAVE_AS_BUTTON 1014
#define IDC_DEPARTURE_IDENT 1015
#define IDC_DESTINATION_IDENT 1016
#define IDC_BUILD_BUTTON 1019
#define IDC_ROUTE_EDIT 1020
#define IDC_DEPARTURE_RUNWAYS 1021
#define IDC_LANDING_RUNWAYS 1022
#define IDC_DEPARTURE_NAME 1023
#define IDC_DESTINATION_NAME 1024
#define IDC_SAVE_BUTTON 1030
#define IDC_DETAILS_BUTTON 1033
#define IDC_ANIMATION 1052
#define IDC_CRUISE_ALTITUDE 1061

/* Controls of the print cancel dialog. */
#define IDC_PRINT_DOCUMENT_LABEL 1000
/* The settings sheet's Options page. */
#define IDC_PRESET_VFR 1035
#define IDC_PRESET_IFR 1036
#define IDC_PRESET_VOR_TO_VOR 1038
#define IDC_PRESET_LOW_AIRWAYS 1039
#define IDC_PRESET_HIGH_AIRWAYS 1040
#define IDC_PRESET_DIRECT_GPS 1041
#define IDC_FLITESTAR_DATA 1065
#define IDC_MSFS_DATA 1066
#define IDC_MENU_BAR_CHECK 1053
#define IDC_SHORTCUT_MENU_CHECK 1054
#define IDC_NAME_FROM_PLAN 1055
#define IDC_NAME_FROM_ICAO 1056
#define IDC_NAME_FROM_AIRPORTS 1057
#define IDC_NAME_BY_USER 1059
#define IDC_AIRPORT_FILE_EDIT 1058
#define IDC_AIRPORT_FILE_BUTTON 1060
#define IDC_SOURCE_FOLDER_EDIT 1049
#define IDC_SOURCE_FOLDER_BUTTON 1051
#define IDC_DEST_FOLDER_EDIT 1050
#define IDC_DEST_FOLDER_BUTTON 1052

/* The settings sheet's Simulators page: the list of formats and its button. */
#define IDC_SIMULATORS_LIST 1200
#define IDC_CHANGE_FOLDER_BUTTON 1201

/* The route details dialog. */
#define IDC_ROUTE_DETAILS_LIST 1032

/* Commands of the menu, the accelerators, the toolbar and the system menu. */
#define IDM_EXIT 40001
#define IDM_HELP_TOPICS 40002
#define IDM_ABOUT 40003
#define IDM_SAVE 40004
#define IDM_HELP_ON_HELP 40005
#define IDM_BUILD 40006
#define IDM_OPEN 40007
#define IDM_SAVE_AS 40008
#define IDM_SETTINGS 40009
#define IDM_PRINT 40010
#define IDM_STATUSBAR 40013
#define IDM_TOOLBAR 40014

#endif
