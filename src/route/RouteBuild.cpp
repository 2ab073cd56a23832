// The steps of a build, in order, each showing its results through the window
// port and its failures through the message port.
#include "route/RouteBuild.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "host/ControlIds.h"
#include "host/WindowPort.h"
#include "route/AirportLookup.h"
#include "route/BuildFeedback.h"
#include "route/RouteCommands.h"
#include "route/SourceFile.h"
#include "route/SourceValidation.h"
#include "route/TextLineReader.h"
#include "route/WaypointLine.h"
#include "writers/OutputPath.h"

namespace {

void ClearRoute(App& app) {
  RouteTable& route = app.route;
  WindowPort& window = *app.host.window;
  window.ResetList(kDepartureRunwayList);
  window.ResetList(kLandingRunwayList);
  route.routeText[0] = '\0';
  window.SetControlText(kRouteEdit, "");
  window.SetControlText(kCruiseAltitudeStatic, "N/A");
  route.legCount = 0;
  route.planNumber = 0;
  route.cruiseAltitude = 0.0;
  route.squawkBoxValue = 0.0;
  route.routeDistance = 0.0;
  for (WaypointRow& row : route.rows) row = WaypointRow{};
}

// Reads the waypoint lines into the table; false after a read error. A waypoint
// beyond the 32nd ends the reading with a message; the build goes on.
bool ReadWaypointRows(App& app, InputFile& file) {
  RouteTable& route = app.route;
  TextLineReader reader(file, kSourcePieceLength, kSourceBlockSize);
  route.waypointCount = 0;
  return ReadSourceLines(app, reader, [&app, &route](const char* line) {
    WaypointRow row;
    if (!ReadWaypointRow(line, row)) return true;
    if (route.waypointCount == kMaxWaypoints) {
      ReportSourceProblem(app, MessageKind::Error,
                          "Maximum Nbr. of MS FS Waypoint's reached in FliteStar Flightplan file %s");
      return false;
    }
    route.rows[route.waypointCount++] = row;
    return true;
  });
}

bool CheckRouteShape(App& app) {
  const RouteTable& route = app.route;
  if (route.waypointCount == 0) {
    ReportSourceProblem(app, MessageKind::Error, "No valid Waypoint's found in FliteStar Flightplan file %s");
    return false;
  }
  if (route.waypointCount == 1) {
    ReportSourceProblem(app, MessageKind::Error, "Need at least 2 items in FliteStar Flightplan file %s");
    return false;
  }
  if (DepartureRow(route).type != 'A' || DestinationRow(route).type != 'A') {
    ReportSourceProblem(app, MessageKind::Error,
                        "The first and last items in the plan must be airports in FliteStar Flightplan file %s");
    return false;
  }
  return true;
}

void LookupAirports(App& app) {
  RouteTable& route = app.route;
  WaypointRow& departure = route.rows[0];
  WaypointRow& destination = route.rows[route.waypointCount - 1];
  LookupAirport(app, departure.ident, AirportSide::Departure, departure.name);
  LookupAirport(app, destination.ident, AirportSide::Destination, destination.name);
  WindowPort& window = *app.host.window;
  window.SetControlText(kDepartureIdentStatic, departure.ident);
  window.SetControlText(kDestinationIdentStatic, destination.ident);
  window.SetControlText(kDepartureNameStatic, departure.name);
  window.SetControlText(kDestinationNameStatic, destination.name);
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

// The altitude as the window shows it: truncated toward zero, kept within the
// integer range (an absurd altitude in the file must not overflow the conversion).
int DisplayedAltitude(double altitude) {
  if (altitude >= static_cast<double>(INT_MAX)) return INT_MAX;
  return static_cast<int>(altitude);
}

void ShowRouteValues(App& app) {
  WindowPort& window = *app.host.window;
  window.SetControlText(kRouteEdit, app.route.routeText);
  window.SetControlNumber(kCruiseAltitudeStatic, DisplayedAltitude(app.route.cruiseAltitude));
}

void ProposeDestination(App& app) {
  ProgramSettings& settings = app.settings;
  if (settings.autogenMode != kNameByUser) {
    MakeOutputPath(app, settings.defaultDestDir, settings.destFilePath, settings.destFileName,
                   settings.exportType);
  }
  app.host.window->SetControlText(kDestinationEdit, settings.destFilePath);
}

}  // namespace

bool BuildRoute(App& app) {
  ClearRoute(app);
  if (!ValidateSourcePlan(app)) return false;
  std::unique_ptr<InputFile> file = OpenSourceFile(app);
  if (file == nullptr) return false;
  StartBuildFeedback(app);
  bool built = ReadWaypointRows(app, *file) && CheckRouteShape(app);
  if (built) {
    LookupAirports(app);
    ComputeRouteValues(app.route);
    ShowRouteValues(app);
    app.route.routeUnsaved = true;
    SetRouteCommandsEnabled(app, true);
    ProposeDestination(app);
  }
  file.reset();
  StopBuildFeedback(app);
  return built;
}
