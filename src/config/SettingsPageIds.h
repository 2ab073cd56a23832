// Control identifiers of the settings sheet's two pages, named for the core; the
// numbers live in ResourceIds.h, which the resource script reads as well. The
// Exports page's rows follow the registry (see ExportsPage.h).
#pragma once

#include "host/ResourceIds.h"

enum SettingsPageTemplate : int {
  kOptionsPageTemplate = IDD_OPTIONS_PAGE,
  kExportsPageTemplate = IDD_EXPORTS_PAGE,
  kSimulatorsPageTemplate = IDD_SIMULATORS_PAGE,
};

enum SimulatorsPageControl : int {
  kSimulatorsList = IDC_SIMULATORS_LIST,
  kChangeFolderButton = IDC_CHANGE_FOLDER_BUTTON,
};

enum OptionsPageControl : int {
  kPresetVfrRadio = IDC_PRESET_VFR,
  kPresetIfrRadio = IDC_PRESET_IFR,
  kPresetVorToVorRadio = IDC_PRESET_VOR_TO_VOR,
  kPresetLowAirwaysRadio = IDC_PRESET_LOW_AIRWAYS,
  kPresetHighAirwaysRadio = IDC_PRESET_HIGH_AIRWAYS,
  kPresetDirectGpsRadio = IDC_PRESET_DIRECT_GPS,
  kFliteStarDataRadio = IDC_FLITESTAR_DATA,
  kMsfsDataRadio = IDC_MSFS_DATA,
  kMenuBarCheck = IDC_MENU_BAR_CHECK,
  kShortcutMenuCheck = IDC_SHORTCUT_MENU_CHECK,
  kNameFromPlanRadio = IDC_NAME_FROM_PLAN,
  kNameFromIcaoRadio = IDC_NAME_FROM_ICAO,
  kNameFromAirportsRadio = IDC_NAME_FROM_AIRPORTS,
  kNameByUserRadio = IDC_NAME_BY_USER,
  kAirportFileEdit = IDC_AIRPORT_FILE_EDIT,
  kAirportFileButton = IDC_AIRPORT_FILE_BUTTON,
  kSourceFolderEdit = IDC_SOURCE_FOLDER_EDIT,
  kSourceFolderButton = IDC_SOURCE_FOLDER_BUTTON,
  kDestFolderEdit = IDC_DEST_FOLDER_EDIT,
  kDestFolderButton = IDC_DEST_FOLDER_BUTTON,
};
