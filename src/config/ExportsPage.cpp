// The Exports page: the bulk switch and the bulk folder of each export type, with
// the keys they are stored in.
#include <cstdint>

#include "App.h"
#include "config/SettingsPageIds.h"
#include "config/SettingsPagePort.h"
#include "config/SettingsSheet.h"
#include "config/SettingsSheetParts.h"
#include "config/Settings.h"

namespace {

// One export type's row of the page, in screen order.
struct ExportRow {
  int checkId;
  int32_t ProgramSettings::*bulkSwitch;
  const char* switchKey;  // in "Startup"
  FolderButton folder;
  const char* folderSection;  // key "Pathname"
};

constexpr ExportRow kExportRows[] = {
    {kBulkMsfsCheck, &ProgramSettings::bulkMsfs, "MSFS",
     {kMsfsFolderButton, kMsfsFolderEdit, &ProgramSettings::msfsDir, kDestinationFolderPrompt}, "DefMSFSDir"},
    {kBulkAcsGpsCheck, &ProgramSettings::bulkAcsGps, "ACS-GPS",
     {kAcsGpsFolderButton, kAcsGpsFolderEdit, &ProgramSettings::acsGpsDir, kDestinationFolderPrompt},
     "DefACSGPSDir"},
    {kBulkSfpCheck, &ProgramSettings::bulkSfp, "SFP",
     {kSfpFolderButton, kSfpFolderEdit, &ProgramSettings::sfpDir, kDestinationFolderPrompt}, "DefSFPDir"},
    {kBulkRc99Check, &ProgramSettings::bulkRc99, "RC99",
     {kRc99FolderButton, kRc99FolderEdit, &ProgramSettings::rc99Dir, kDestinationFolderPrompt}, "DefRC99Dir"},
    {kBulkSqbCheck, &ProgramSettings::bulkSqb, "SQB",
     {kSqbFolderButton, kSqbFolderEdit, &ProgramSettings::sqbDir, kDestinationFolderPrompt}, "DefSQBDir"},
    {kBulkNavCheck, &ProgramSettings::bulkNav, "NAV",
     {kNavFolderButton, kNavFolderEdit, &ProgramSettings::navDir, kDestinationFolderPrompt}, "DefNAVDir"},
    {kBulkMsfsXmlCheck, &ProgramSettings::bulkMsfsXml, "MSFS2020",
     {kMsfsXmlFolderButton, kMsfsXmlFolderEdit, &ProgramSettings::msfsXmlDir, kDestinationFolderPrompt},
     "DefMSFS2020Dir"},
    {kBulkXPlaneCheck, &ProgramSettings::bulkXPlane, "XPLANE",
     {kXPlaneFolderButton, kXPlaneFolderEdit, &ProgramSettings::xplaneDir, kDestinationFolderPrompt},
     "DefXPLANEDir"},
    {kBulkGarminCheck, &ProgramSettings::bulkGarmin, "GARMIN",
     {kGarminFolderButton, kGarminFolderEdit, &ProgramSettings::garminDir, kDestinationFolderPrompt},
     "DefGARMINDir"},
    {kBulkGpxCheck, &ProgramSettings::bulkGpx, "GPX",
     {kGpxFolderButton, kGpxFolderEdit, &ProgramSettings::gpxDir, kDestinationFolderPrompt}, "DefGPXDir"},
};

// The orders in which the switches and the folders are stored, by check box; the
// types of today's simulators follow the six of old in the order of their rows.
constexpr int kSwitchStoreOrder[] = {kBulkAcsGpsCheck,  kBulkMsfsCheck,   kBulkNavCheck,    kBulkRc99Check,
                                     kBulkSqbCheck,     kBulkSfpCheck,    kBulkMsfsXmlCheck, kBulkXPlaneCheck,
                                     kBulkGarminCheck,  kBulkGpxCheck};
constexpr int kFolderStoreOrder[] = {kBulkAcsGpsCheck,  kBulkNavCheck,    kBulkRc99Check,   kBulkSqbCheck,
                                     kBulkSfpCheck,     kBulkMsfsCheck,   kBulkMsfsXmlCheck, kBulkXPlaneCheck,
                                     kBulkGarminCheck,  kBulkGpxCheck};

const ExportRow& RowOf(int checkId) {
  for (const ExportRow& row : kExportRows) {
    if (row.checkId == checkId) return row;
  }
  return kExportRows[0];  // unreachable: the orders list only the rows' boxes
}

}  // namespace

void FillExportsPage(const App& app, SettingsPagePort& page) {
  const ProgramSettings& settings = app.settings;
  for (const ExportRow& row : kExportRows) {
    page.Check(row.checkId, settings.*row.bulkSwitch != 0);
    page.SetText(row.folder.editId, settings.*row.folder.field);
  }
}

void OnExportsPageCommand(App& app, SettingsSheetFlags& flags, SettingsPagePort& page, int controlId,
                          int notification) {
  if (controlId == kOkControlId || notification != kClickNotification) return;
  for (const ExportRow& row : kExportRows) {
    if (row.folder.buttonId == controlId) {
      RunFolderButton(app, flags.exportsChanged, page, row.folder);
      return;
    }
  }
  MarkPageChanged(flags.exportsChanged, page);
}

void ApplyExportsPage(App& app, SettingsSheetFlags& flags, SettingsPagePort& page) {
  if (!flags.exportsChanged) return;
  ProgramSettings& settings = app.settings;
  bool allWritten = true;
  for (int checkId : kSwitchStoreOrder) {
    const ExportRow& row = RowOf(checkId);
    settings.*row.bulkSwitch = page.IsChecked(checkId) ? 1 : 0;
    allWritten = WriteSettingInt(app, "Startup", row.switchKey, settings.*row.bulkSwitch) && allWritten;
  }
  for (int checkId : kFolderStoreOrder) {
    const ExportRow& row = RowOf(checkId);
    allWritten = WriteSettingText(app, row.folderSection, "Pathname", settings.*row.folder.field) && allWritten;
  }
  if (!allWritten) ReportSettingsNotSaved(app, page);
}
