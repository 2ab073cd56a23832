// Control identifiers of the settings sheet's two pages, named for the core; the
// numbers live in ResourceIds.h, which the resource script reads as well.
#pragma once

#include "host/ResourceIds.h"

enum SettingsPageTemplate : int {
  kOptionsPageTemplate = IDD_OPTIONS_PAGE,
  kExportsPageTemplate = IDD_EXPORTS_PAGE,
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

enum ExportsPageControl : int {
  kBulkMsfsCheck = IDC_BULK_MSFS_CHECK,
  kBulkAcsGpsCheck = IDC_BULK_ACSGPS_CHECK,
  kBulkSfpCheck = IDC_BULK_SFP_CHECK,
  kBulkRc99Check = IDC_BULK_RC99_CHECK,
  kBulkSqbCheck = IDC_BULK_SQB_CHECK,
  kBulkNavCheck = IDC_BULK_NAV_CHECK,
  kBulkMsfsXmlCheck = IDC_BULK_MSFSXML_CHECK,
  kBulkXPlaneCheck = IDC_BULK_XPLANE_CHECK,
  kBulkGarminCheck = IDC_BULK_GARMIN_CHECK,
  kBulkGpxCheck = IDC_BULK_GPX_CHECK,
  kMsfsFolderEdit = IDC_MSFS_FOLDER_EDIT,
  kAcsGpsFolderEdit = IDC_ACSGPS_FOLDER_EDIT,
  kSfpFolderEdit = IDC_SFP_FOLDER_EDIT,
  kRc99FolderEdit = IDC_RC99_FOLDER_EDIT,
  kSqbFolderEdit = IDC_SQB_FOLDER_EDIT,
  kNavFolderEdit = IDC_NAV_FOLDER_EDIT,
  kMsfsXmlFolderEdit = IDC_MSFSXML_FOLDER_EDIT,
  kXPlaneFolderEdit = IDC_XPLANE_FOLDER_EDIT,
  kGarminFolderEdit = IDC_GARMIN_FOLDER_EDIT,
  kGpxFolderEdit = IDC_GPX_FOLDER_EDIT,
  kMsfsFolderButton = IDC_MSFS_FOLDER_BUTTON,
  kAcsGpsFolderButton = IDC_ACSGPS_FOLDER_BUTTON,
  kSfpFolderButton = IDC_SFP_FOLDER_BUTTON,
  kRc99FolderButton = IDC_RC99_FOLDER_BUTTON,
  kSqbFolderButton = IDC_SQB_FOLDER_BUTTON,
  kNavFolderButton = IDC_NAV_FOLDER_BUTTON,
  kMsfsXmlFolderButton = IDC_MSFSXML_FOLDER_BUTTON,
  kXPlaneFolderButton = IDC_XPLANE_FOLDER_BUTTON,
  kGarminFolderButton = IDC_GARMIN_FOLDER_BUTTON,
  kGpxFolderButton = IDC_GPX_FOLDER_BUTTON,
};
