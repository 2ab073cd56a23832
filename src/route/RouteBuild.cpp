// The steps of a build, in order, each telling its failures through the
// message port.
#include "route/RouteBuild.h"

#include <cstdio>
#include <cstring>

#include "route/AirportLookup.h"
#include "route/SourceFile.h"
#include "route/SourceValidation.h"
#include "route/TextLineReader.h"
#include "route/WaypointLine.h"

namespace {

// Reads the waypoint lines into the table; false after a read error. A waypoint
// beyond the 32nd ends the reading with a message; the build goes on.
bool ReadWaypointRows(const SourcePlan& source, InputFile& file, RouteTable& route) {
  TextLineReader reader(file, kSourcePieceLength, kSourceBlockSize);
  route.waypointCount = 0;
  return ReadSourceLines(source, reader, [&source, &route](const char* line) {
    WaypointRow row;
    if (!ReadWaypointRow(line, row)) return true;
    if (route.waypointCount == kMaxWaypoints) {
      ReportSourceProblem(source, MessageKind::Error,
                          "Maximum Nbr. of MS FS Waypoint's reached in FliteStar Flightplan file %s");
      return false;
    }
    route.rows[route.waypointCount++] = row;
    return true;
  });
}

bool CheckRouteShape(const SourcePlan& source, const RouteTable& route) {
  if (route.waypointCount == 0) {
    ReportSourceProblem(source, MessageKind::Error, "No valid Waypoint's found in FliteStar Flightplan file %s");
    return false;
  }
  if (route.waypointCount == 1) {
    ReportSourceProblem(source, MessageKind::Error, "Need at least 2 items in FliteStar Flightplan file %s");
    return false;
  }
  if (DepartureRow(route).type != 'A' || DestinationRow(route).type != 'A') {
    ReportSourceProblem(source, MessageKind::Error,
                        "The first and last items in the plan must be airports in FliteStar Flightplan file %s");
    return false;
  }
  return true;
}

// The airport row takes the lookup's name, and its elevation when it has one.
RunwayList TakeAirport(const AirportLookupPorts& ports, AirportFile& file, WaypointRow& row) {
  AirportFound found = LookupAirport(ports, file, row.ident);
  std::memcpy(row.name, found.name, sizeof row.name);
  if (found.hasElevation) row.altitude = found.elevation;
  return found.runways;
}

void LookupAirports(const RoutePorts& ports, BuiltRoute& built) {
  const AirportLookupPorts lookup{ports.files, ports.environment, ports.messages, ports.dialogs, ports.airports};
  RouteTable& route = built.route;
  built.departureRunways = TakeAirport(lookup, built.airportFile, route.rows[0]);
  built.destinationRunways = TakeAirport(lookup, built.airportFile, route.rows[route.waypointCount - 1]);
}

// The idents joined by "-", and the highest altitude of the non-airport rows.
void ComputeRouteValues(RouteTable& route) {
  std::size_t length = 0;
  for (uint32_t index = 0; index < route.waypointCount; ++index) {
    const WaypointRow& row = route.rows[index];
    const char* separator = index + 1 < route.waypointCount ? "-" : "";
    int written = std::snprintf(route.routeText + length, sizeof route.routeText - length, "%s%s",
                                row.ident, separator);
    length += static_cast<std::size_t>(written);
    if (length >= sizeof route.routeText) length = sizeof route.routeText - 1;
    if (row.type != 'A' && row.altitude > route.cruiseAltitude) route.cruiseAltitude = row.altitude;
  }
}

}  // namespace

BuiltRoute BuildRoute(const RouteRequest& request, const RoutePorts& ports) {
  BuiltRoute built{};
  built.outcome = RouteOutcome::Failed;
  built.airportFile = request.airportFile;
  const SourcePlan source{request.sourcePath, request.sourceName, ports.files, ports.messages};
  if (!ValidateSourcePlan(source, built.route, ports.progress)) return built;
  std::unique_ptr<InputFile> file = OpenSourceFile(source);
  if (file == nullptr) return built;
  if (ports.progress != nullptr) ports.progress->WorkStarted();
  if (ReadWaypointRows(source, *file, built.route) && CheckRouteShape(source, built.route)) {
    LookupAirports(ports, built);
    ComputeRouteValues(built.route);
    built.outcome = RouteOutcome::Built;
  }
  file.reset();
  if (ports.progress != nullptr) ports.progress->WorkEnded();
  return built;
}
