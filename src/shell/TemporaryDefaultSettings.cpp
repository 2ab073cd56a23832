// TEMPORARY: the defaults of a first start, until LoadSettings is merged.
#include "shell/TemporaryDefaultSettings.h"

#include <cstdio>

#include "App.h"

void StartFromDefaultSettingsUntilLoadSettingsLands(App& app) {
  ProgramSettings& settings = app.settings;
  settings.menuOption = settings.mouseOption = 1;
  settings.showToolbar = settings.showStatusbar = settings.showTooltips = 1;
  settings.defaultRouteType = 1;
  settings.exportType = 1;
  const char* file = "Please select a valid path and filename";
  const char* folder = "Please select a valid path";
  std::snprintf(settings.sourceFilePath, kPathSize, "%s", file);
  std::snprintf(settings.sourceFileName, kPathSize, "%s", file);
  std::snprintf(settings.destFilePath, kPathSize, "%s", file);
  std::snprintf(settings.destFileName, kPathSize, "%s", file);
  std::snprintf(settings.defaultSourceDir, kPathSize, "%s", folder);
  std::snprintf(settings.defaultDestDir, kPathSize, "%s", folder);
}
