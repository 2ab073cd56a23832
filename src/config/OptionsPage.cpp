// The Options page: presets, airport data source, menu options, naming rule, the
// airport data file and the two default folders, with the keys each is stored in.
#include <cstdint>

#include "App.h"
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

struct TextKey {
  const char* section;
  const char* key;
  SettingsTextField field;
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
    {"DefMSFSDir", "Pathname", &ProgramSettings::msfsDir},
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
void RunAirportFileButton(App& app, bool& changedFlag, SettingsPagePort& page) {
  ProgramSettings& settings = app.settings;
  if (!OpenAirportFileDialog(app, settings.airportFilePath, settings.airportFileName)) return;
  page.SetText(kAirportFileEdit, settings.airportFilePath);
  MarkPageChanged(changedFlag, page);
}

// Reads the menu bar's box; the window follows at once when the choice changed.
bool StoreMenuOption(App& app, SettingsPagePort& page) {
  ProgramSettings& settings = app.settings;
  int32_t before = settings.menuOption;
  settings.menuOption = page.IsChecked(kMenuBarCheck) ? 1 : 0;
  if (settings.menuOption != before) page.ApplyMenuBar();
  return WriteSettingInt(app, "Startup", "Menuoption", settings.menuOption);
}

bool StoreMouseOption(App& app, SettingsPagePort& page) {
  app.settings.mouseOption = page.IsChecked(kShortcutMenuCheck) ? 1 : 0;
  return WriteSettingInt(app, "Startup", "Mouseoption", app.settings.mouseOption);
}

}  // namespace

void FillOptionsPage(App& app, SettingsPagePort& page) {
  ProgramSettings& settings = app.settings;
  for (const RadioSetting& setting : kRadioSettings) CheckChoiceOf(setting, settings, page);
  if (settings.menuOption != 0) settings.menuOption = 1;
  page.Check(kMenuBarCheck, settings.menuOption == 1);
  page.Check(kShortcutMenuCheck, settings.mouseOption == 1);
  page.SetText(kAirportFileEdit, settings.airportFilePath);
  page.SetText(kSourceFolderEdit, settings.defaultSourceDir);
  page.SetText(kDestFolderEdit, settings.defaultDestDir);
}

void OnOptionsPageCommand(App& app, SettingsSheetFlags& flags, SettingsPagePort& page, int controlId,
                          int notification) {
  if (controlId == kOkControlId || notification != kClickNotification) return;
  if (controlId == kAirportFileButton) {
    RunAirportFileButton(app, flags.optionsChanged, page);
    return;
  }
  for (const FolderButton& button : kFolderButtons) {
    if (button.buttonId == controlId) {
      RunFolderButton(app, flags.optionsChanged, page, button);
      return;
    }
  }
  MarkPageChanged(flags.optionsChanged, page);
}

void ApplyOptionsPage(App& app, SettingsSheetFlags& flags, SettingsPagePort& page) {
  if (!flags.optionsChanged) return;
  ProgramSettings& settings = app.settings;
  // Every key is attempted, each on its own, even after one failed.
  bool allWritten = StoreMenuOption(app, page);
  allWritten = StoreMouseOption(app, page) && allWritten;
  for (const RadioSetting& setting : kRadioSettings) {
    ReadChoiceOf(setting, settings, page);
    allWritten = WriteSettingInt(app, setting.section, setting.key, settings.*setting.field) && allWritten;
  }
  for (const TextKey& text : kTextKeys) {
    allWritten = WriteSettingText(app, text.section, text.key, settings.*text.field) && allWritten;
  }
  if (!allWritten) {
    ReportSettingsNotSaved(app, page);
    return;
  }
  flags.optionsChanged = false;
  page.Messages().ShowMessage(
      "The Default settings have successfully been saved!\n"
      "For some options to take effect, you have to restart PlanTransit!",
      MessageKind::Information, MessageButtons::Ok);
}
