// The Exports page: the Save all switch and folder of each format, with the keys
// they are stored in, all from the registry.
#include "config/ExportsPage.h"

#include "config/Settings.h"
#include "config/SettingsPagePort.h"
#include "config/SettingsSheet.h"
#include "config/SettingsSheetParts.h"

namespace {

// The ids of the first ten rows, which help files and tests have always known.
constexpr ExportsRowControls kFirstRowControls[] = {
    {1037, 1075, 1081}, {1070, 1076, 1082}, {1071, 1077, 1083}, {1072, 1078, 1084}, {1073, 1079, 1085},
    {1074, 1080, 1086}, {1087, 1091, 1095}, {1088, 1092, 1096}, {1089, 1093, 1097}, {1090, 1094, 1098},
};
constexpr int kFirstRowCount = sizeof kFirstRowControls / sizeof kFirstRowControls[0];
constexpr int kLaterRowsFirstId = 1100;

ExportsRowControls ControlsOfRow(int row) {
  if (row < kFirstRowCount) return kFirstRowControls[row];
  int first = kLaterRowsFirstId + 3 * (row - kFirstRowCount);
  return {first, first + 1, first + 2};
}

ExportsPageRows MakeRows() {
  ExportsPageRows rows;
  for (const ExportType* type : ExportTypesInOrder(&ExportOrder::onPage)) {
    if (type->page != SettingsPage::Exports) continue;
    rows.push_back({type, ControlsOfRow(static_cast<int>(rows.size()))});
  }
  return rows;
}

const ExportsPageRow* RowOfType(const ExportType& type) {
  for (const ExportsPageRow& row : ExportsPage()) {
    if (row.type == &type) return &row;
  }
  return nullptr;
}

}  // namespace

const ExportsPageRows& ExportsPage() {
  static const ExportsPageRows rows = MakeRows();
  return rows;
}

void FillExportsPage(const ProgramSettings& settings, SettingsPagePort& page) {
  for (const ExportsPageRow& row : ExportsPage()) {
    page.Check(row.controls.check, BulkSwitch(settings, *row.type) != 0);
    page.SetText(row.controls.folderEdit, BulkFolder(settings, *row.type));
  }
}

void OnExportsPageCommand(SettingsSheetContext& sheet, SettingsPagePort& page, int controlId, int notification) {
  if (controlId == kOkControlId || notification != kClickNotification) return;
  for (const ExportsPageRow& row : ExportsPage()) {
    if (row.controls.folderButton == controlId) {
      RunFolderButton(sheet, sheet.flags.exportsChanged, page, row.controls.folderEdit,
                      BulkFolder(sheet.settings, *row.type), kDestinationFolderPrompt);
      return;
    }
  }
  MarkPageChanged(sheet.flags.exportsChanged, page);
}

void ApplyExportsPage(SettingsSheetContext& sheet, SettingsPagePort& page) {
  if (!sheet.flags.exportsChanged) return;
  ProgramSettings& settings = sheet.settings;
  bool allWritten = true;
  for (const ExportType* type : ExportTypesInOrder(&ExportOrder::switchStore)) {
    if (type->page != SettingsPage::Exports) continue;
    int32_t& bulkSwitch = BulkSwitch(settings, *type);
    bulkSwitch = page.IsChecked(RowOfType(*type)->controls.check) ? 1 : 0;
    allWritten = WriteSettingInt(sheet.configuration, kStartupSection, type->name, bulkSwitch) && allWritten;
  }
  for (const ExportType* type : ExportTypesInOrder(&ExportOrder::folderStore)) {
    if (type->page != SettingsPage::Exports) continue;
    allWritten =
        WriteSettingText(sheet.configuration, type->folderSection, kFolderKey, BulkFolder(settings, *type)) &&
        allWritten;
  }
  if (!allWritten) ReportSettingsNotSaved(sheet, page);
}
