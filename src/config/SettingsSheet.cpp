// Opening the settings sheet and the steps both of its pages share.
#include "config/SettingsSheet.h"

#include <cstdio>
#include <initializer_list>

#include "App.h"
#include "config/ConfigurationLocation.h"
#include "config/SettingsPagePort.h"
#include "config/SettingsSheetParts.h"
#include "config/Settings.h"
#include "host/FolderDialogPort.h"
#include "host/MessagePort.h"

void OpenSettingsSheet(App& app) {
  // The main window keeps showing the files, the export type and the bars of this
  // run, and the build and save commands use them; a reload must not swap them
  // for what was stored at the last exit.
  const ProgramSettings running = app.settings;
  LoadSettings(app);
  ProgramSettings& settings = app.settings;
  settings.exportType = running.exportType;
  settings.showToolbar = running.showToolbar;
  settings.showStatusbar = running.showStatusbar;
  settings.showTooltips = running.showTooltips;
  for (SettingsTextField field : {&ProgramSettings::sourceFilePath, &ProgramSettings::sourceFileName,
                                  &ProgramSettings::destFilePath, &ProgramSettings::destFileName}) {
    std::snprintf(settings.*field, kPathSize, "%s", running.*field);
  }
}

void MarkPageChanged(bool& changedFlag, SettingsPagePort& page) {
  changedFlag = true;
  page.EnableApply();
}

void RunFolderButton(App& app, bool& changedFlag, SettingsPagePort& page, const FolderButton& button) {
  char* folder = app.settings.*button.field;
  if (!app.host.folders->PickFolder(button.prompt, folder)) return;
  page.SetText(button.editId, folder);
  MarkPageChanged(changedFlag, page);
}

void ReportSettingsNotSaved(App& app, SettingsPagePort& page) {
  ConfigurationPaths paths;
  LocateConfigurationFile(app, paths);
  const char* file = paths.writePath[0] != '\0' ? paths.writePath : kConfigurationFileName;
  ShowFormattedMessage(page.Messages(), MessageKind::Error, MessageButtons::Ok,
                       "The Default settings could not be saved in %s!\n"
                       "Please check that the file can be written, then try again.",
                       file);
}
