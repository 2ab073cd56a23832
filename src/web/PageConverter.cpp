// The browser page's module: the converter's conversion over the page's files,
// which the page writes into the module's in-memory file system. Each function
// answers in JSON; the text stays valid until the next call.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/Conversion.h"
#include "cli/ConvertOptions.h"
#include "cli/FormatList.h"
#include "cli/PlatformPorts.h"
#include "route/RouteBuild.h"
#include "web/JsonText.h"
#include "web/PageMessages.h"
#include "writers/FileExtension.h"
#include "writers/FormatRegistry.h"

namespace {

// What the page's calls share: the ports, and the airport data file, read once
// into the index and kept until the page chooses another.
struct PageSession {
  PlatformPorts platform;
  AirportFile airportFile{};
  std::string answer;
};

PageSession& Session() {
  static PageSession session;
  return session;
}

const char* Answer(std::string json) {
  Session().answer = std::move(json);
  return Session().answer.c_str();
}

std::string FormatObject(const ExportType& type) {
  return "{\"key\":" + JsonString(type.key) + ",\"label\":" + JsonString(type.label) +
         ",\"folder\":" + JsonString(type.name) + ",\"extension\":" + JsonString(type.extension) + "}";
}

std::string SideObject(const char* ident, const RunwayList& runways) {
  return "{\"ident\":" + JsonString(ident) + ",\"entries\":" + JsonStringArray(runways.entries) +
         ",\"proposed\":" + JsonString(runways.proposed) + "}";
}

}  // namespace

extern "C" {

// Every format, in Save all order.
__attribute__((used)) const char* pt_formats() {
  std::string json = "[";
  for (const ExportType* type : ExportTypesInOrder(&ExportOrder::saveAll)) {
    json += (json.size() > 1 ? "," : "") + FormatObject(*type);
  }
  return Answer(json + "]");
}

// The airport data file at `path` answers every later lookup; its problems are
// told by the lookups, in the converter's words.
__attribute__((used)) const char* pt_use_airports(const char* path) {
  PageSession& session = Session();
  std::snprintf(session.airportFile.path, sizeof session.airportFile.path, "%s", path);
  std::snprintf(session.airportFile.name, sizeof session.airportFile.name, "%s", FileNamePartOf(path));
  return Answer("{\"ok\":true}");
}

// The route of the source at `sourcePath` as the window builds it, for the
// choice of each side's runway.
__attribute__((used)) const char* pt_runways(const char* sourcePath) {
  PageSession& session = Session();
  PageMessages messages;
  const RouteRequest request{sourcePath, FileNamePartOf(sourcePath), session.airportFile};
  PlatformPorts& platform = session.platform;
  const BuiltRoute built =
      BuildRoute(request, {platform.files, messages, platform.environment, platform.dialogs, platform.airports});
  std::string json = "{\"built\":" + std::string(built.outcome == RouteOutcome::Built ? "true" : "false") +
                     ",\"messages\":" + JsonMessages(messages.shown);
  if (built.outcome == RouteOutcome::Built) {
    json += ",\"departure\":" + SideObject(DepartureRow(built.route).ident, built.departureRunways) +
            ",\"destination\":" + SideObject(DestinationRow(built.route).ident, built.destinationRunways);
  }
  return Answer(json + "}");
}

// Converts the source at `sourcePath` into each format of `formatKeys` ("msfs,
// xplane"), in `outDir` as plantransit-convert -o lays it out. A runway text ""
// keeps the one the lookup proposes.
__attribute__((used)) const char* pt_convert(const char* sourcePath, const char* formatKeys, int flightType,
                                             int routeType, const char* departureRunway,
                                             const char* destinationRunway, const char* outDir) {
  PageSession& session = Session();
  PageMessages messages;
  ConvertOptions options;
  std::string problem = FormatsFromList(formatKeys, options.formats);
  if (std::strlen(departureRunway) > kRunwayTextLength || std::strlen(destinationRunway) > kRunwayTextLength) {
    problem = "a runway is at most 30 characters";
  }
  if (!problem.empty()) {
    return Answer("{\"written\":[],\"messages\":" + JsonMessages({{MessageKind::Error, problem}}) + "}");
  }
  options.outDir = outDir;
  options.flightType = flightType == 1 ? 1 : 0;
  options.routeType = routeType >= 0 && routeType <= 3 ? routeType : 1;
  options.overrideDepartureRunway = departureRunway[0] != '\0';
  options.departureRunway = departureRunway;
  options.overrideDestinationRunway = destinationRunway[0] != '\0';
  options.destinationRunway = destinationRunway;
  options.quiet = true;
  const ConverterPorts ports = session.platform.With(messages);
  std::vector<std::string> written;
  Conversion conversion{options, ports, session.airportFile, &written};
  ConvertSource(conversion, sourcePath);
  return Answer("{\"written\":" + JsonStringArray(written) + ",\"messages\":" + JsonMessages(messages.shown) + "}");
}

}  // extern "C"
