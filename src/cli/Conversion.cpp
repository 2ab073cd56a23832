// A source's route is built as the window builds it; its plans are named and
// saved as Save all names and saves them, with the options in place of the
// window's buttons.
#include "cli/Conversion.h"

#include <cstdio>
#include <cstring>

#include "config/ConfigurationLocation.h"
#include "config/Settings.h"
#include "host/Paths.h"
#include "route/RouteBuild.h"
#include "writers/FileExtension.h"
#include "writers/OutputPath.h"
#include "writers/SaveFrame.h"

namespace {

constexpr const char* kBundledAirportFile = "Fsb_apts.txt";

// By the options' flight type 0..1 and route type 0..3.
constexpr FlightRules kFlightRules[] = {FlightRules::Vfr, FlightRules::Ifr};
constexpr RouteKind kRouteKinds[] = {RouteKind::DirectGps, RouteKind::VorToVor, RouteKind::LowAirways,
                                     RouteKind::HighAirways};

void SetAirportFile(AirportFile& file, const char* path) {
  std::snprintf(file.path, sizeof file.path, "%s", path);
  std::snprintf(file.name, sizeof file.name, "%s", FileNamePartOf(path));
}

// The configuration's airport file, when a configuration file exists.
bool TakeConfiguredAirportFile(const ConverterPorts& ports, AirportFile& file) {
  const ConfigurationPorts configuration{ports.files, ports.environment};
  ConfigurationPaths paths{};
  LocateConfigurationFile(configuration, paths);
  if (paths.readPath[0] == '\0' || !ports.files.CanOpenForReading(paths.readPath)) return false;
  ProgramSettings configured{};
  LoadSettings(configuration, ports.registry, configured);
  std::memcpy(file.path, configured.airportFilePath, kPathSize);
  std::memcpy(file.name, configured.airportFileName, kPathSize);
  return true;
}

// The folder of one format's plans: the output folder itself, or with several
// formats its subfolder named after the format; created when missing.
bool PrepareFormatFolder(const Conversion& conversion, const ExportType& type, std::string& folder) {
  const ConvertOptions& options = conversion.options;
  folder = options.outDir.empty() ? "." : options.outDir;
  if (options.formats.size() > 1) {
    if (folder.back() != kPathSeparator) folder += kPathSeparator;
    folder += type.name;
  }
  if (conversion.ports.files.CreateFolders(folder.c_str())) return true;
  ShowFormattedMessage(conversion.ports.messages, MessageKind::Error, MessageButtons::Ok, "Cannot create the folder %s",
                       folder.c_str());
  return false;
}

// A plan named like its source (an X-Plane plan converted to X-Plane in its own
// folder) would replace the plan it was made from: it is refused, even with --force.
bool ReplacesItsSource(const ConverterPorts& ports, const char* path, const char* sourcePath) {
  if (!ports.files.IsSameFile(path, sourcePath)) return false;
  ShowFormattedMessage(ports.messages, MessageKind::Error, MessageButtons::Ok,
                       "%s is the plan being converted: its conversion does not replace it", path);
  return true;
}

// Names and saves one format's plan, and tells how it went.
bool WriteFormat(const Conversion& conversion, const ExportType& type, const NamingInput& naming,
                 const PlanInput& plan, const char* sourcePath) {
  std::string folder;
  if (!PrepareFormatFolder(conversion, type, folder)) return false;
  char path[kPathSize] = "";
  char name[kPathSize] = "";
  const ConverterPorts& ports = conversion.ports;
  bool written = false;
  if (MakeOutputPath(naming, folder.c_str(), type.extension, path, name) &&
      !ReplacesItsSource(ports, path, sourcePath)) {
    SavedPlan saved = SavePlan(type, plan, path, name, {ports.files, ports.messages, conversion.options.verify});
    std::memcpy(path, saved.path, kPathSize);
    std::memcpy(name, saved.name, kPathSize);
    written = saved.outcome == SaveOutcome::Written;
  }
  if (!written) {
    ShowFormattedMessage(ports.messages, MessageKind::Warning, MessageButtons::Ok, type.failedMessage, name);
  } else {
    if (conversion.written != nullptr) conversion.written->push_back(path);
    if (!conversion.options.quiet) std::printf("%s\n", path);
  }
  return written;
}

}  // namespace

Conversion PrepareConversion(const ConvertOptions& options, const ConverterPorts& ports) {
  Conversion conversion{options, ports, {}, nullptr};
  if (!options.airportFile.empty()) {
    SetAirportFile(conversion.airportFile, options.airportFile.c_str());
  } else if (!TakeConfiguredAirportFile(ports, conversion.airportFile)) {
    SetAirportFile(conversion.airportFile, kBundledAirportFile);
  }
  return conversion;
}

bool ConvertSource(Conversion& conversion, const std::string& source) {
  const ConverterPorts& ports = conversion.ports;
  if (source.size() >= static_cast<std::size_t>(kPathSize)) {
    ShowFormattedMessage(ports.messages, MessageKind::Error, MessageButtons::Ok,
                         "The path of %s is longer than 259 characters", source.c_str());
    return false;
  }
  const char* sourceName = FileNamePartOf(source.c_str());
  const RouteRequest request{source.c_str(), sourceName, conversion.airportFile};
  const BuiltRoute built =
      BuildRoute(request, {ports.files, ports.messages, ports.environment, ports.dialogs, ports.airports});
  conversion.airportFile = built.airportFile;
  if (built.outcome != RouteOutcome::Built) {
    ShowFormattedMessage(ports.messages, MessageKind::Warning, MessageButtons::Ok,
                         "Failed to build Flight-Plan from file %s", sourceName);
    return false;
  }
  const ConvertOptions& options = conversion.options;
  const ConversionDate date = ReadConversionDate(&ports.dates);
  const PlanInput plan{built.route,
                       options.overrideDepartureRunway ? options.departureRunway.c_str()
                                                       : built.departureRunways.proposed,
                       options.overrideDestinationRunway ? options.destinationRunway.c_str()
                                                         : built.destinationRunways.proposed,
                       kFlightRules[options.flightType],
                       kRouteKinds[options.routeType],
                       date,
                       ""};
  const NamingInput naming{options.namingRule, sourceName, &built.route};
  bool allWritten = true;
  for (const ExportType* type : options.formats) {
    allWritten = WriteFormat(conversion, *type, naming, plan, source.c_str()) && allWritten;
  }
  return allWritten;
}
