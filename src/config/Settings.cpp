// Loading and saving the program settings: the file's sections, keys and defaults
// in one table each, in the order they are read.
#include "config/Settings.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "config/FlightSimulatorPath.h"
#include "config/ProfileFile.h"
#include "config/ProfileText.h"
#include "host/EnvironmentPort.h"

namespace {

constexpr const char* kStartup = kStartupSection;
constexpr const char* kFilterIndex = "FilterIndex";
constexpr const char* kPathname = kFolderKey;
constexpr const char* kFilename = "Filename";
constexpr const char* kNoFile = "Please select a valid path and filename";
constexpr const char* kNoFolder = "Please select a valid path";
constexpr const char* kAirportFile = "Fsb_apts.txt";

using TextField = char (ProgramSettings::*)[kPathSize];

struct IntegerSetting {
  const char* section;
  const char* key;
  int32_t defaultValue;
  int32_t ProgramSettings::*field;
};

struct TextSetting {
  const char* section;
  const char* key;
  const char* defaultValue;
  TextField field;
  bool lastFile;  // written back by SaveLastFiles
};

constexpr IntegerSetting kIntegerSettings[] = {
    {kStartup, "Menuoption", 1, &ProgramSettings::menuOption},
    {kStartup, "Mouseoption", 1, &ProgramSettings::mouseOption},
    {kStartup, "Toolbar", 1, &ProgramSettings::showToolbar},
    {kStartup, "Statusbar", 1, &ProgramSettings::showStatusbar},
    {kStartup, "Tooltips", 1, &ProgramSettings::showTooltips},
    {kStartup, "Autogen", 0, &ProgramSettings::autogenMode},
    {"DefFlightType", "Flighttype", 0, &ProgramSettings::defaultFlightType},
    {"DefRouteType", "Routetype", 1, &ProgramSettings::defaultRouteType},
    {"DefDataSource", "Datasource", 0, &ProgramSettings::airportSource},
    {kStartup, kFilterIndex, 1, &ProgramSettings::exportType},
};

constexpr TextSetting kTextSettings[] = {
    {"AirpFile", kPathname, kAirportFile, &ProgramSettings::airportFilePath, true},
    {"AirpFile", kFilename, kAirportFile, &ProgramSettings::airportFileName, true},
    {"SrceFile", kPathname, kNoFile, &ProgramSettings::sourceFilePath, true},
    {"SrceFile", kFilename, kNoFile, &ProgramSettings::sourceFileName, true},
    {"DestFile", kPathname, kNoFile, &ProgramSettings::destFilePath, true},
    {"DestFile", kFilename, kNoFile, &ProgramSettings::destFileName, true},
    {"DefSrceDir", kPathname, kNoFolder, &ProgramSettings::defaultSourceDir, false},
    {"DefDestDir", kPathname, kNoFolder, &ProgramSettings::defaultDestDir, false},
};

// The Flight Simulator's own plan folder. False, with `folder` empty, when no
// installation is registered or the folder would not fit.
bool DeriveFlightsFolder(RegistryPort& registry, char* folder) {
  char installation[kPathSize];
  folder[0] = '\0';
  if (!FindFlightSimulatorPath(registry, installation)) return false;
  int length = std::snprintf(folder, kPathSize, "%s\\Flights\\MyFlts", installation);
  if (length >= 0 && length < kPathSize) return true;
  folder[0] = '\0';
  return false;
}

// A bulk folder without a stored value: the default destination folder, or the
// current folder when that is empty ("" when even that cannot be found).
void FallBackToDefaultFolder(EnvironmentPort& environment, const ProgramSettings& settings, char* folder) {
  const char* destination = settings.defaultDestDir;
  if (destination[0] != '\0') {
    std::memcpy(folder, destination, std::strlen(destination) + 1);
  } else if (!environment.CurrentFolder(folder, kPathSize)) {
    folder[0] = '\0';
  }
}

// A format's Save all switch and folder, the folder with its fallbacks.
void LoadFormatSettings(const ConfigurationPorts& ports, RegistryPort& registry, const std::string& text,
                        const ExportType& type, ProgramSettings& settings) {
  BulkSwitch(settings, type) = ReadProfileInt(text, kStartup, type.name, 0);
  char* folder = BulkFolder(settings, type);
  ReadProfileText(text, type.folderSection, kPathname, "", folder, kPathSize);
  if (folder[0] != '\0') return;
  if (type.folderInSimulator && DeriveFlightsFolder(registry, folder)) return;
  FallBackToDefaultFolder(ports.environment, settings, folder);
}

}  // namespace

void LoadSettings(const ConfigurationPorts& ports, RegistryPort& registry, ProgramSettings& settings) {
  ConfigurationPaths paths;
  LocateConfigurationFile(ports, paths);
  std::string text;
  LoadProfileFile(ports.files, paths.readPath, text);  // missing or unreadable: all defaults

  for (const IntegerSetting& setting : kIntegerSettings) {
    settings.*setting.field = ReadProfileInt(text, setting.section, setting.key, setting.defaultValue);
  }
  for (const TextSetting& setting : kTextSettings) {
    ReadProfileText(text, setting.section, setting.key, setting.defaultValue, settings.*setting.field, kPathSize);
  }
  for (const ExportType& type : kExportTypes) LoadFormatSettings(ports, registry, text, type, settings);
}

bool SaveLastFiles(const ConfigurationPorts& ports, const ProgramSettings& settings) {
  bool allWritten = true;
  for (const TextSetting& setting : kTextSettings) {
    if (!setting.lastFile) continue;
    allWritten = WriteSettingText(ports, setting.section, setting.key, settings.*setting.field) && allWritten;
  }
  return WriteSettingInt(ports, kStartup, kFilterIndex, settings.exportType) && allWritten;
}

bool WriteSettingText(const ConfigurationPorts& ports, const char* section, const char* key, const char* value) {
  ConfigurationPaths paths;
  if (!LocateConfigurationFile(ports, paths)) return false;
  return WriteProfileText(ports.files, paths.readPath, paths.writePath, section, key, value);
}

bool WriteSettingInt(const ConfigurationPorts& ports, const char* section, const char* key, int32_t value) {
  ConfigurationPaths paths;
  if (!LocateConfigurationFile(ports, paths)) return false;
  return WriteProfileInt(ports.files, paths.readPath, paths.writePath, section, key, value);
}
