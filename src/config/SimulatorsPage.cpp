// The Simulators page: a list of the formats the registry puts on it, each row a
// Save all switch (its check box), the format's label and its folder, with the
// keys they are stored in.
#include <vector>

#include "config/Settings.h"
#include "config/SettingsPageIds.h"
#include "config/SettingsPagePort.h"
#include "config/SettingsSheet.h"
#include "config/SettingsSheetParts.h"

namespace {

// The page's formats, a row each, in its order.
std::vector<const ExportType*> SimulatorRows() {
  std::vector<const ExportType*> rows;
  for (const ExportType* type : ExportTypesInOrder(&ExportOrder::onPage)) {
    if (type->page == SettingsPage::Simulators) rows.push_back(type);
  }
  return rows;
}

const std::vector<const ExportType*>& Rows() {
  static const std::vector<const ExportType*> rows = SimulatorRows();
  return rows;
}

void ChangeFolderOfSelectedRow(SettingsSheetContext& sheet, SettingsPagePort& page) {
  int row = page.SelectedListRow(kSimulatorsList);
  if (row < 0 || row >= static_cast<int>(Rows().size())) return;
  char* folder = BulkFolder(sheet.settings, *Rows()[row]);
  if (!sheet.folders.PickFolder(kDestinationFolderPrompt, folder)) return;
  page.SetListRowFolder(kSimulatorsList, row, folder);
  MarkPageChanged(sheet.flags.simulatorsChanged, page);
}

}  // namespace

void FillSimulatorsPage(const ProgramSettings& settings, SettingsPagePort& page) {
  for (const ExportType* type : Rows()) {
    page.AddListRow(kSimulatorsList, type->label, BulkFolder(settings, *type), BulkSwitch(settings, *type) != 0);
  }
}

void OnSimulatorsPageCommand(SettingsSheetContext& sheet, SettingsPagePort& page, int controlId, int notification) {
  if (controlId == kSimulatorsList && notification == kListRowCheckedNotification) {
    MarkPageChanged(sheet.flags.simulatorsChanged, page);
  } else if (controlId == kChangeFolderButton && notification == kClickNotification) {
    ChangeFolderOfSelectedRow(sheet, page);
  }
}

void ApplySimulatorsPage(SettingsSheetContext& sheet, SettingsPagePort& page) {
  if (!sheet.flags.simulatorsChanged) return;
  bool allWritten = true;
  for (std::size_t row = 0; row < Rows().size(); ++row) {
    const ExportType& type = *Rows()[row];
    int32_t& bulkSwitch = BulkSwitch(sheet.settings, type);
    bulkSwitch = page.IsListRowChecked(kSimulatorsList, static_cast<int>(row)) ? 1 : 0;
    allWritten = WriteSettingInt(sheet.configuration, kStartupSection, type.name, bulkSwitch) && allWritten;
  }
  for (const ExportType* type : Rows()) {
    allWritten = WriteSettingText(sheet.configuration, type->folderSection, kFolderKey,
                                  BulkFolder(sheet.settings, *type)) &&
                 allWritten;
  }
  if (!allWritten) ReportSettingsNotSaved(sheet, page);
}
