// Opening the settings sheet and the steps both of its pages share.
#include "config/SettingsSheet.h"

#include <cstdio>
#include <initializer_list>

#include "config/Settings.h"
#include "config/SettingsPagePort.h"
#include "config/SettingsSheetParts.h"
#include "host/MessagePort.h"

void OpenSettingsSheet(ProgramSettings& settings, const ConfigurationPorts& configuration, RegistryPort& registry) {
  // The main window keeps showing the files, the export type and the bars of this
  // run, and the build and save commands use them; a reload must not swap them
  // for what was stored at the last exit.
  const ProgramSettings running = settings;
  LoadSettings(configuration, registry, settings);
  settings.exportType = running.exportType;
  settings.showToolbar = running.showToolbar;
  settings.showStatusbar = running.showStatusbar;
  settings.showTooltips = running.showTooltips;
  using TextField = char (ProgramSettings::*)[kPathSize];
  for (TextField field : {&ProgramSettings::sourceFilePath, &ProgramSettings::sourceFileName,
                          &ProgramSettings::destFilePath, &ProgramSettings::destFileName}) {
    std::snprintf(settings.*field, kPathSize, "%s", running.*field);
  }
}

void MarkPageChanged(bool& changedFlag, SettingsPagePort& page) {
  changedFlag = true;
  page.EnableApply();
}

void RunFolderButton(SettingsSheetContext& sheet, bool& changedFlag, SettingsPagePort& page, int editId,
                     char* folder, const char* prompt) {
  if (!sheet.folders.PickFolder(prompt, folder)) return;
  page.SetText(editId, folder);
  MarkPageChanged(changedFlag, page);
}

void ReportSettingsNotSaved(const SettingsSheetContext& sheet, SettingsPagePort& page) {
  ConfigurationPaths paths;
  LocateConfigurationFile(sheet.configuration, paths);
  const char* file = paths.writePath[0] != '\0' ? paths.writePath : kConfigurationFileName;
  ShowFormattedMessage(page.Messages(), MessageKind::Error, MessageButtons::Ok,
                       "The Default settings could not be saved in %s!\n"
                       "Please check that the file can be written, then try again.",
                       file);
}
