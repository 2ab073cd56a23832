// Loading and saving the program settings: the file's sections, keys and defaults
// in one table each, in the order they are read.
#include "config/Settings.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "App.h"
#include "config/ConfigurationLocation.h"
#include "config/FlightSimulatorPath.h"
#include "config/ProfileFile.h"
#include "config/ProfileText.h"
#include "host/EnvironmentPort.h"

namespace {

constexpr const char* kStartup = "Startup";
constexpr const char* kFilterIndex = "FilterIndex";
constexpr const char* kPathname = "Pathname";
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

struct BulkFolderSetting {
  const char* section;
  TextField field;
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
    {kStartup, "ACS-GPS", 0, &ProgramSettings::bulkAcsGps},
    {kStartup, "NAV", 0, &ProgramSettings::bulkNav},
    {kStartup, "MSFS", 0, &ProgramSettings::bulkMsfs},
    {kStartup, "RC99", 0, &ProgramSettings::bulkRc99},
    {kStartup, "SQB", 0, &ProgramSettings::bulkSqb},
    {kStartup, "SFP", 0, &ProgramSettings::bulkSfp},
    {kStartup, "MSFS2020", 0, &ProgramSettings::bulkMsfsXml},
    {kStartup, "XPLANE", 0, &ProgramSettings::bulkXPlane},
    {kStartup, "GARMIN", 0, &ProgramSettings::bulkGarmin},
    {kStartup, "GPX", 0, &ProgramSettings::bulkGpx},
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

constexpr const char* kMsfsFolderSection = "DefMSFSDir";

// The bulk folders after the Flight Simulator's, in the order they are read.
constexpr BulkFolderSetting kOtherBulkFolders[] = {
    {"DefNAVDir", &ProgramSettings::navDir},
    {"DefACSGPSDir", &ProgramSettings::acsGpsDir},
    {"DefRC99Dir", &ProgramSettings::rc99Dir},
    {"DefSQBDir", &ProgramSettings::sqbDir},
    {"DefSFPDir", &ProgramSettings::sfpDir},
    {"DefMSFS2020Dir", &ProgramSettings::msfsXmlDir},
    {"DefXPLANEDir", &ProgramSettings::xplaneDir},
    {"DefGARMINDir", &ProgramSettings::garminDir},
    {"DefGPXDir", &ProgramSettings::gpxDir},
};

// The Flight Simulator's own plan folder. False, with `folder` empty, when no
// installation is registered or the folder would not fit.
bool DeriveFlightsFolder(App& app, char* folder) {
  char installation[kPathSize];
  folder[0] = '\0';
  if (!FindFlightSimulatorPath(app, installation)) return false;
  int length = std::snprintf(folder, kPathSize, "%s\\Flights\\MyFlts", installation);
  if (length >= 0 && length < kPathSize) return true;
  folder[0] = '\0';
  return false;
}

// A bulk folder without a stored value: the default destination folder, or the
// current folder when that is empty ("" when even that cannot be found).
void FallBackToDefaultFolder(App& app, char* folder) {
  const char* destination = app.settings.defaultDestDir;
  if (destination[0] != '\0') {
    std::memcpy(folder, destination, std::strlen(destination) + 1);
  } else if (!app.host.environment->CurrentFolder(folder, kPathSize)) {
    folder[0] = '\0';
  }
}

}  // namespace

void LoadSettings(App& app) {
  ConfigurationPaths paths;
  LocateConfigurationFile(app, paths);
  std::string text;
  LoadProfileFile(*app.host.files, paths.readPath, text);  // missing or unreadable: all defaults

  ProgramSettings& settings = app.settings;
  for (const IntegerSetting& setting : kIntegerSettings) {
    settings.*setting.field = ReadProfileInt(text, setting.section, setting.key, setting.defaultValue);
  }
  for (const TextSetting& setting : kTextSettings) {
    ReadProfileText(text, setting.section, setting.key, setting.defaultValue, settings.*setting.field, kPathSize);
  }

  ReadProfileText(text, kMsfsFolderSection, kPathname, "", settings.msfsDir, kPathSize);
  if (settings.msfsDir[0] == '\0' && !DeriveFlightsFolder(app, settings.msfsDir)) {
    FallBackToDefaultFolder(app, settings.msfsDir);
  }
  for (const BulkFolderSetting& setting : kOtherBulkFolders) {
    char* folder = settings.*setting.field;
    ReadProfileText(text, setting.section, kPathname, "", folder, kPathSize);
    if (folder[0] == '\0') FallBackToDefaultFolder(app, folder);
  }
}

bool SaveLastFiles(App& app) {
  bool allWritten = true;
  for (const TextSetting& setting : kTextSettings) {
    if (!setting.lastFile) continue;
    allWritten = WriteSettingText(app, setting.section, setting.key, app.settings.*setting.field) && allWritten;
  }
  return WriteSettingInt(app, kStartup, kFilterIndex, app.settings.exportType) && allWritten;
}

bool WriteSettingText(App& app, const char* section, const char* key, const char* value) {
  ConfigurationPaths paths;
  if (!LocateConfigurationFile(app, paths)) return false;
  return WriteProfileText(*app.host.files, paths.readPath, paths.writePath, section, key, value);
}

bool WriteSettingInt(App& app, const char* section, const char* key, int32_t value) {
  ConfigurationPaths paths;
  if (!LocateConfigurationFile(app, paths)) return false;
  return WriteProfileInt(*app.host.files, paths.readPath, paths.writePath, section, key, value);
}
