// The Options page: presets, airport data source, menu options, naming rule, the
// airport data file and the two default folders, with the keys each is stored in.
#include <cstdint>

#include "config/SettingsPageIds.h"
#include "config/SettingsPagePort.h"
#include "config/SettingsSheet.h"
#include "config/SettingsSheetParts.h"
#include "config/Settings.h"
#include "host/MessagePort.h"
#include "route/AirportFileDialog.h"

namespace {

constexpr int kMaxChoices = 4;

struct RadioChoice {
  int controlId;
  int32_t value;
};

// A group of radio buttons that sets one integer setting.
struct RadioSetting {
  int32_t ProgramSettings::*field;
  const char* section;
  const char* key;
  int choiceCount;
  RadioChoice choices[kMaxChoices];
};

using SettingsTextField = char (ProgramSettings::*)[kPathSize];

struct TextKey {
  const char* section;
  const char* key;
  SettingsTextField field;
};

// A "..." button that picks a folder into a settings field shown in an edit.
struct FolderButton {
  int buttonId;
  int editId;
  SettingsTextField field;
  const char* prompt;
};

// In the order they are stored.
constexpr RadioSetting kRadioSettings[] = {
    {&ProgramSettings::defaultFlightType, "DefFlightType", "Flighttype", 2,
     {{kPresetVfrRadio, 0}, {kPresetIfrRadio, 1}}},
    {&ProgramSettings::defaultRouteType, "DefRouteType", "Routetype", 4,
     {{kPresetDirectGpsRadio, 0}, {kPresetVorToVorRadio, 1}, {kPresetLowAirwaysRadio, 2},
      {kPresetHighAirwaysRadio, 3}}},
    {&ProgramSettings::autogenMode, "Startup", "Autogen", 4,
     {{kNameFromPlanRadio, 0}, {kNameFromIcaoRadio, 1}, {kNameFromAirportsRadio, 2}, {kNameByUserRadio, 3}}},
    {&ProgramSettings::airportSource, "DefDataSource", "DataSource", 2,
     {{kFliteStarDataRadio, 0}, {kMsfsDataRadio, 1}}},
};

// Stored after the buttons, in this order.
constexpr TextKey kTextKeys[] = {
    {"AirpFile", "Pathname", &ProgramSettings::airportFilePath},
    {"AirpFile", "Filename", &ProgramSettings::airportFileName},
    {"DefSrceDir", "Pathname", &ProgramSettings::defaultSourceDir},
    {"DefDestDir", "Pathname", &ProgramSettings::defaultDestDir},
};

constexpr FolderButton kFolderButtons[] = {
    {kSourceFolderButton, kSourceFolderEdit, &ProgramSettings::defaultSourceDir, kSourceFolderPrompt},
    {kDestFolderButton, kDestFolderEdit, &ProgramSettings::defaultDestDir, kDestinationFolderPrompt},
};

void CheckChoiceOf(const RadioSetting& setting, const ProgramSettings& settings, SettingsPagePort& page) {
  for (int i = 0; i < setting.choiceCount; ++i) {
    page.Check(setting.choices[i].controlId, settings.*setting.field == setting.choices[i].value);
  }
}

// The value of the checked button; the setting keeps its value when none is.
void ReadChoiceOf(const RadioSetting& setting, ProgramSettings& settings, SettingsPagePort& page) {
  for (int i = 0; i < setting.choiceCount; ++i) {
    if (page.IsChecked(setting.choices[i].controlId)) {
      settings.*setting.field = setting.choices[i].value;
      return;
    }
  }
}

// The data file's "...": the open dialog fills the path and the file name.
void RunAirportFileButton(SettingsSheetContext& sheet, bool& changedFlag, SettingsPagePort& page) {
  ProgramSettings& settings = sheet.settings;
  if (!OpenAirportFileDialog(sheet.dialogs, settings.airportFilePath, settings.airportFileName)) return;
  page.SetText(kAirportFileEdit, settings.airportFilePath);
  MarkPageChanged(changedFlag, page);
}

// Reads the menu bar's box; the window follows at once when the choice changed.
bool StoreMenuOption(SettingsSheetContext& sheet, SettingsPagePort& page) {
  ProgramSettings& settings = sheet.settings;
  int32_t before = settings.menuOption;
  settings.menuOption = page.IsChecked(kMenuBarCheck) ? 1 : 0;
  if (settings.menuOption != before) page.ApplyMenuBar();
  return WriteSettingInt(sheet.configuration, "Startup", "Menuoption", settings.menuOption);
}

bool StoreMouseOption(SettingsSheetContext& sheet, SettingsPagePort& page) {
  sheet.settings.mouseOption = page.IsChecked(kShortcutMenuCheck) ? 1 : 0;
  return WriteSettingInt(sheet.configuration, "Startup", "Mouseoption", sheet.settings.mouseOption);
}

// The Flight Simulator's Save all folder is stored with the Options page's keys,
// as it always was.
bool StoreSimulatorFolders(SettingsSheetContext& sheet) {
  bool allWritten = true;
  for (const ExportType& type : kExportTypes) {
    if (!type.folderInSimulator) continue;
    allWritten = WriteSettingText(sheet.configuration, type.folderSection, kFolderKey, BulkFolder(sheet.settings, type)) &&
                 allWritten;
  }
  return allWritten;
}

}  // namespace

void FillOptionsPage(ProgramSettings& settings, SettingsPagePort& page) {
  for (const RadioSetting& setting : kRadioSettings) CheckChoiceOf(setting, settings, page);
  if (settings.menuOption != 0) settings.menuOption = 1;
  page.Check(kMenuBarCheck, settings.menuOption == 1);
  page.Check(kShortcutMenuCheck, settings.mouseOption == 1);
  page.SetText(kAirportFileEdit, settings.airportFilePath);
  page.SetText(kSourceFolderEdit, settings.defaultSourceDir);
  page.SetText(kDestFolderEdit, settings.defaultDestDir);
}

void OnOptionsPageCommand(SettingsSheetContext& sheet, SettingsPagePort& page, int controlId, int notification) {
  if (controlId == kOkControlId || notification != kClickNotification) return;
  bool& changed = sheet.flags.optionsChanged;
  if (controlId == kAirportFileButton) {
    RunAirportFileButton(sheet, changed, page);
    return;
  }
  for (const FolderButton& button : kFolderButtons) {
    if (button.buttonId == controlId) {
      RunFolderButton(sheet, changed, page, button.editId, sheet.settings.*button.field, button.prompt);
      return;
    }
  }
  MarkPageChanged(changed, page);
}

void ApplyOptionsPage(SettingsSheetContext& sheet, SettingsPagePort& page) {
  if (!sheet.flags.optionsChanged) return;
  ProgramSettings& settings = sheet.settings;
  // Every key is attempted, each on its own, even after one failed.
  bool allWritten = StoreMenuOption(sheet, page);
  allWritten = StoreMouseOption(sheet, page) && allWritten;
  for (const RadioSetting& setting : kRadioSettings) {
    ReadChoiceOf(setting, settings, page);
    allWritten = WriteSettingInt(sheet.configuration, setting.section, setting.key, settings.*setting.field) &&
                 allWritten;
  }
  for (const TextKey& text : kTextKeys) {
    allWritten = WriteSettingText(sheet.configuration, text.section, text.key, settings.*text.field) && allWritten;
  }
  allWritten = StoreSimulatorFolders(sheet) && allWritten;
  if (!allWritten) {
    ReportSettingsNotSaved(sheet, page);
    return;
  }
  sheet.flags.optionsChanged = false;
  page.Messages().ShowMessage(
      "The Default settings have successfully been saved!\n"
      "For some options to take effect, you have to restart PlanTransit!",
      MessageKind::Information, MessageButtons::Ok);
}
