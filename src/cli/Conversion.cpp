#include "cli/Conversion.h"

#include <cstdio>
#include <cstring>

#include "App.h"
#include "config/ConfigurationLocation.h"
#include "config/Settings.h"
#include "host/ControlIds.h"
#include "host/FileSystem.h"
#include "host/MessagePort.h"
#include "host/PathSeparator.h"
#include "host/WindowPort.h"
#include "route/RouteBuild.h"
#include "writers/FileExtension.h"
#include "writers/OutputPath.h"

namespace {

constexpr const char* kBundledAirportFile = "Fsb_apts.txt";

constexpr int kFlightTypeRadios[] = {kVfrRadio, kIfrRadio};
// By route type 0..3: GPS, VOR, low and high airways.
constexpr int kRouteTypeRadios[] = {kDirectGpsRadio, kVorToVorRadio, kLowAirwaysRadio, kHighAirwaysRadio};

// Copies `text` into a 260-byte settings field; false when it does not fit.
bool CopySetting(char (&field)[kPathSize], const std::string& text) {
  if (text.size() >= kPathSize) return false;
  std::memcpy(field, text.c_str(), text.size() + 1);
  return true;
}

void SetAirportFile(ProgramSettings& settings, const char* path) {
  std::snprintf(settings.airportFilePath, kPathSize, "%s", path);
  std::snprintf(settings.airportFileName, kPathSize, "%s", FileNamePartOf(path));
}

// The configuration's airport file, when a configuration file exists.
bool TakeConfiguredAirportFile(App& app) {
  ConfigurationPaths paths{};
  LocateConfigurationFile(app, paths);
  if (paths.readPath[0] == '\0' || !app.host.files->CanOpenForReading(paths.readPath)) return false;
  App configured{};
  configured.host = app.host;
  LoadSettings(configured);
  std::memcpy(app.settings.airportFilePath, configured.settings.airportFilePath, kPathSize);
  std::memcpy(app.settings.airportFileName, configured.settings.airportFileName, kPathSize);
  return true;
}

// The folder of one format's plans: the output folder itself, or with several
// formats its subfolder named after the type; created when missing.
bool PrepareFormatFolder(App& app, const ConvertOptions& options, const ExportType& type,
                         std::string& folder) {
  folder = options.outDir.empty() ? "." : options.outDir;
  if (options.formats.size() > 1) {
    if (folder.back() != kPathSeparator) folder += kPathSeparator;
    folder += type.name;
  }
  if (app.host.files->CreateFolders(folder.c_str())) return true;
  ShowFormattedMessage(*app.host.messages, MessageKind::Error, MessageButtons::Ok,
                       "Cannot create the folder %s", folder.c_str());
  return false;
}

// Names and writes one format's plan, and tells how it went.
bool WriteFormat(App& app, const ConvertOptions& options, const ExportType& type) {
  std::string folder;
  if (!PrepareFormatFolder(app, options, type, folder)) return false;
  char path[kPathSize] = "";
  char name[kPathSize] = "";
  bool written = MakeOutputPath(app, folder.c_str(), path, name, type.code) && type.writer(app, path, name);
  if (!written) {
    ShowFormattedMessage(*app.host.messages, MessageKind::Warning, MessageButtons::Ok, type.failedMessage,
                         name);
  } else if (!options.quiet) {
    std::printf("%s\n", path);
  }
  return written;
}

}  // namespace

void ApplyConvertOptions(App& app, const ConvertOptions& options) {
  ProgramSettings& settings = app.settings;
  settings.autogenMode = options.namingRule;
  settings.exportType = options.formats.empty() ? kExportMsfs : options.formats.front();
  CopySetting(settings.defaultDestDir, options.outDir.empty() ? "." : options.outDir);
  if (!options.airportFile.empty()) {
    SetAirportFile(settings, options.airportFile.c_str());
  } else if (!TakeConfiguredAirportFile(app)) {
    SetAirportFile(settings, kBundledAirportFile);
  }
  // The writers read the flight and route type from the window's radio buttons.
  app.host.window->CheckRadio(kVfrRadio, kIfrRadio, kFlightTypeRadios[options.flightType]);
  app.host.window->CheckRadio(kVorToVorRadio, kDirectGpsRadio, kRouteTypeRadios[options.routeType]);
}

bool ConvertSource(App& app, const ConvertOptions& options, const std::string& source) {
  ProgramSettings& settings = app.settings;
  if (!CopySetting(settings.sourceFilePath, source)) {
    ShowFormattedMessage(*app.host.messages, MessageKind::Error, MessageButtons::Ok,
                         "The path of %s is longer than 259 characters", source.c_str());
    return false;
  }
  std::snprintf(settings.sourceFileName, kPathSize, "%s", FileNamePartOf(settings.sourceFilePath));
  // Each source starts with no runway: the runway of the plan before is another
  // airport's.
  app.route.departureRunway[0] = '\0';
  app.route.destinationRunway[0] = '\0';
  app.route.routeBuilt = BuildRoute(app);
  if (!app.route.routeBuilt) {
    ShowFormattedMessage(*app.host.messages, MessageKind::Warning, MessageButtons::Ok,
                         "Failed to build Flight-Plan from file %s", settings.sourceFileName);
    return false;
  }
  if (options.overrideDepartureRunway) {
    std::snprintf(app.route.departureRunway, sizeof app.route.departureRunway, "%s",
                  options.departureRunway.c_str());
  }
  bool allWritten = true;
  for (ExportCode code : options.formats) {
    allWritten = WriteFormat(app, options, *FindExportType(code)) && allWritten;
  }
  return allWritten;
}
