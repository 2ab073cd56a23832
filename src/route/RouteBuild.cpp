// The steps of a build, in order, each telling its failures through the
// message port.
#include "route/RouteBuild.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "route/AirportLookup.h"
#include "route/OtherPlanSource.h"
#include "route/PointFields.h"
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
AirportFound TakeAirport(const AirportLookupPorts& ports, AirportFile& file, WaypointRow& row) {
  AirportFound found = LookupAirport(ports, file, row.ident);
  std::memcpy(row.name, found.name, sizeof row.name);
  if (found.hasElevation) row.altitude = found.elevation;
  return found;
}

struct EndAirports {
  AirportFound departure;
  AirportFound destination;
};

EndAirports LookupAirports(const RoutePorts& ports, BuiltRoute& built) {
  const AirportLookupPorts lookup{ports.files, ports.environment, ports.messages, ports.dialogs, ports.airports};
  RouteTable& route = built.route;
  EndAirports found{TakeAirport(lookup, built.airportFile, route.rows[0]),
                    TakeAirport(lookup, built.airportFile, route.rows[route.waypointCount - 1])};
  built.departureRunways = found.departure.runways;
  built.destinationRunways = found.destination.runways;
  return found;
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

// The entry of `list` whose runway is `named` ("7C" finds "07C 13123 "), proposed
// in place of the first; the list's own proposal stays when none is.
void ProposeNamedRunway(RunwayList& list, const std::string& named) {
  auto number = [](std::string word) {
    word = word.substr(0, word.find(' '));
    while (word.size() > 1 && word[0] == '0') word.erase(0, 1);
    for (char& c : word) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return word;
  };
  if (named.empty()) return;
  for (const std::string& entry : list.entries) {
    if (number(entry) != number(named) || entry.size() > static_cast<std::size_t>(kRunwayTextLength)) continue;
    std::memcpy(list.proposed, entry.c_str(), entry.size() + 1);
    return;
  }
}

// The ends of a route read from another kind of plan: airports, or points of
// no stated kind that the airport data knows. Only they may lack a position.
bool CheckEndsOfOtherPlan(const SourcePlan& source, const PlanPoints& plan, RouteTable& route) {
  if (route.waypointCount < 2) {
    ReportSourceProblem(source, MessageKind::Error, "Need at least 2 waypoints in %s");
    return false;
  }
  for (std::size_t index : {std::size_t{0}, std::size_t{route.waypointCount - 1}}) {
    WaypointRow& row = route.rows[index];
    if (IsUnknownKind(plan, index)) row.type = 'A';  // an airport if the data knows it, below
    if (row.type != 'A') {
      ReportSourceProblem(source, MessageKind::Error, "The first and last items in the plan must be airports in %s");
      return false;
    }
  }
  std::vector<std::string> named;
  for (std::size_t index = 1; index + 1 < route.waypointCount; ++index) {
    if (!plan.points[index].hasPosition) named.push_back(plan.points[index].ident);
  }
  if (named.empty()) return true;
  ShowFormattedMessage(source.messages, MessageKind::Error, MessageButtons::Ok, "%s cannot be converted: %s",
                       source.name, NamedWithoutPositionProblem(named).c_str());
  return false;
}

// The airports the file names without a position take the airport data's; one
// the data gives none for fails the build.
bool PlaceEndsFromAirportData(const SourcePlan& source, const PlanPoints& plan, const EndAirports& found,
                              RouteTable& route) {
  const std::size_t last = route.waypointCount - 1;
  for (std::size_t index : {std::size_t{0}, last}) {
    if (plan.points[index].hasPosition) continue;
    const AirportFound& airport = index == 0 ? found.departure : found.destination;
    if (!airport.hasPosition) {
      ShowFormattedMessage(source.messages, MessageKind::Error, MessageButtons::Ok,
                           "%s names the airport %s without a position, and the airport data gives none",
                           source.name, route.rows[index].ident);
      return false;
    }
    PlaceRow(route.rows[index], airport.latitude, airport.longitude);
  }
  return true;
}

// The ends whose kind the file did not say, and the lookup did not find, are
// no airports: the route is refused rather than given invented airports.
bool UnknownEndsWereFound(const SourcePlan& source, const PlanPoints& plan, const RouteTable& route) {
  for (std::size_t index : {std::size_t{0}, std::size_t{route.waypointCount - 1}}) {
    if (!IsUnknownKind(plan, index) || std::strcmp(route.rows[index].name, kAirportNotFoundText) != 0) continue;
    ShowFormattedMessage(source.messages, MessageKind::Error, MessageButtons::Ok,
                         "The first and last items in the plan must be airports in %s: the airport data does not "
                         "know %s",
                         source.name, route.rows[index].ident);
    return false;
  }
  return true;
}

// The build of a plan of another kind, read into `plan`: rows, airports looked
// up and placed, runways the file names proposed.
bool BuildFromOtherPlan(const SourcePlan& source, const PlanPoints& plan, const RoutePorts& ports, BuiltRoute& built) {
  FillRowsFromPoints(source, plan, built.route);
  if (!CheckEndsOfOtherPlan(source, plan, built.route)) return false;
  const EndAirports found = LookupAirports(ports, built);
  if (!UnknownEndsWereFound(source, plan, built.route)) return false;
  if (!PlaceEndsFromAirportData(source, plan, found, built.route)) return false;
  ProposeNamedRunway(built.departureRunways, plan.departureRunway);
  ProposeNamedRunway(built.destinationRunways, plan.destinationRunway);
  ComputeRouteValues(built.route);
  return true;
}

// The build of a FliteStar export, its file validated already.
bool BuildFromFliteStarExport(const SourcePlan& source, const RoutePorts& ports, BuiltRoute& built) {
  std::unique_ptr<InputFile> file = OpenSourceFile(source);
  if (file == nullptr) return false;
  if (ports.progress != nullptr) ports.progress->WorkStarted();
  bool read = ReadWaypointRows(source, *file, built.route) && CheckRouteShape(source, built.route);
  if (read) {
    LookupAirports(ports, built);
    ComputeRouteValues(built.route);
  }
  file.reset();
  if (ports.progress != nullptr) ports.progress->WorkEnded();
  return read;
}

}  // namespace

BuiltRoute BuildRoute(const RouteRequest& request, const RoutePorts& ports) {
  BuiltRoute built{};
  built.outcome = RouteOutcome::Failed;
  built.airportFile = request.airportFile;
  SourcePlan source{request.sourcePath, request.sourceName, ports.files, ports.messages, nullptr};
  // The validation and the build each read the source from its start: a small
  // one from memory, so a batch opens each of its sources once.
  std::string held;
  if (HoldSmallSource(source, held)) source.held = &held;
  switch (ValidateSourcePlan(source, built.route, ports.progress)) {
    case SourceCheck::Refused: return built;
    case SourceCheck::FliteStar:
      if (BuildFromFliteStarExport(source, ports, built)) built.outcome = RouteOutcome::Built;
      return built;
    case SourceCheck::OtherKind: break;
  }
  PlanPoints plan;
  if (!ReadOtherPlan(source, plan)) return built;
  // As for an export: the work shown is the route's, once its file was found readable.
  if (ports.progress != nullptr) ports.progress->WorkStarted();
  if (BuildFromOtherPlan(source, plan, ports, built)) built.outcome = RouteOutcome::Built;
  if (ports.progress != nullptr) ports.progress->WorkEnded();
  return built;
}
