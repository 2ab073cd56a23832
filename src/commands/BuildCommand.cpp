// The route build through the window: its feedback, what it shows, and the
// message that closes a failed one.
#include "commands/BuildCommand.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "host/ControlIds.h"
#include "host/MessagePort.h"
#include "host/WindowPort.h"
#include "route/RouteBuild.h"
#include "writers/OutputPath.h"

namespace {

// The wait cursor, the animation and the status text while the build works on
// the source file; the status text only on a visible status bar.
class WindowBuildProgress : public BuildProgress {
 public:
  explicit WindowBuildProgress(WindowPort& window) : window_(window) {}
  void WorkStarted() override {
    window_.StartBusyFeedback();
    ShowStatus("Building WP Table and Runway Information");
  }
  void WorkEnded() override {
    window_.StopBusyFeedback();
    ShowStatus("");
  }

 private:
  void ShowStatus(const char* text) {
    if (window_.IsStatusBarVisible()) window_.SetStatusText(text);
  }
  WindowPort& window_;
};

void ClearRouteFields(WindowPort& window) {
  window.ResetList(kDepartureRunwayList);
  window.ResetList(kLandingRunwayList);
  window.SetControlText(kRouteEdit, "");
  window.SetControlText(kCruiseAltitudeStatic, "N/A");
}

// The altitude as the window shows it: truncated toward zero, kept within the
// integer range (an absurd altitude in the file must not overflow the conversion).
int DisplayedAltitude(double altitude) {
  if (altitude >= static_cast<double>(INT_MAX)) return INT_MAX;
  return static_cast<int>(altitude);
}

// Fills list `listId`, selects and shows its first entry, and takes the runway it
// proposes; a list without entries leaves no runway.
void ShowRunways(WindowPort& window, int listId, const RunwayList& runways, RunwayChoice& choice) {
  window.SetListRedraw(listId, false);
  for (const std::string& entry : runways.entries) window.AddListEntry(listId, entry.c_str());
  window.SetListRedraw(listId, true);
  std::memcpy(choice.text, runways.proposed, sizeof choice.text);
  if (runways.entries.empty()) return;
  window.SelectListEntry(listId, 0);
  window.SetControlText(listId, runways.entries.front().c_str());
}

void ShowAirports(WindowPort& window, const RouteTable& route) {
  const WaypointRow& departure = DepartureRow(route);
  const WaypointRow& destination = DestinationRow(route);
  window.SetControlText(kDepartureIdentStatic, departure.ident);
  window.SetControlText(kDestinationIdentStatic, destination.ident);
  window.SetControlText(kDepartureNameStatic, departure.name);
  window.SetControlText(kDestinationNameStatic, destination.name);
}

void ShowBuiltRoute(Session& session, const BuiltRoute& built) {
  WindowPort& window = *session.ports.window;
  ShowAirports(window, session.route);
  ShowRunways(window, kDepartureRunwayList, built.departureRunways, session.departureRunway);
  ShowRunways(window, kLandingRunwayList, built.destinationRunways, session.destinationRunway);
  window.SetControlText(kRouteEdit, session.route.routeText);
  window.SetControlNumber(kCruiseAltitudeStatic, DisplayedAltitude(session.route.cruiseAltitude));
  session.routeUnsaved = true;
  SetRouteCommandsEnabled(session, true);
  ProposeDestination(session);
}

BuiltRoute RunRouteBuild(Session& session) {
  ProgramSettings& settings = session.settings;
  RouteRequest request{settings.sourceFilePath, settings.sourceFileName, {}};
  std::memcpy(request.airportFile.path, settings.airportFilePath, kPathSize);
  std::memcpy(request.airportFile.name, settings.airportFileName, kPathSize);
  const SessionPorts& ports = session.ports;
  WindowBuildProgress progress(*ports.window);
  BuiltRoute built = BuildRoute(request, {*ports.files, *ports.messages, *ports.environment, *ports.dialogs,
                                          *ports.airports, &progress});
  std::memcpy(settings.airportFilePath, built.airportFile.path, kPathSize);
  std::memcpy(settings.airportFileName, built.airportFile.name, kPathSize);
  return built;
}

}  // namespace

void BuildPlan(Session& session) {
  ClearRouteFields(*session.ports.window);
  BuiltRoute built = RunRouteBuild(session);
  session.route = built.route;
  session.routeBuilt = built.outcome == RouteOutcome::Built;
  if (session.routeBuilt) {
    ShowBuiltRoute(session, built);
    return;
  }
  ShowFormattedMessage(*session.ports.messages, MessageKind::Warning, MessageButtons::Ok,
                       "Failed to build Flight-Plan from file %s", session.settings.sourceFileName);
}

bool PassBuildGuard(Session& session) {
  if (session.routeBuilt) return true;
  session.ports.messages->ShowMessage("No Route Build Process has been run yet!\nWill do this for you now!",
                                      MessageKind::Warning, MessageButtons::Ok);
  session.ports.window->PostCommand(kBuildButton);
  return false;
}

void SetRouteCommandsEnabled(Session& session, bool enabled) {
  WindowPort& window = *session.ports.window;
  window.SetControlEnabled(kDetailsButton, enabled);
  window.SetMenuItemEnabled(kPrintCommand, enabled);
  if (session.settings.showToolbar) {
    window.SetToolbarButtonEnabled(kDetailsButton, enabled);
    window.SetToolbarButtonEnabled(kPrintCommand, enabled);
  }
}

void ProposeDestination(Session& session) {
  ProgramSettings& settings = session.settings;
  if (settings.autogenMode != kNameByUser) {
    const NamingInput naming{settings.autogenMode, settings.sourceFileName, &session.route};
    MakeOutputPath(naming, settings.defaultDestDir, ExtensionForExportCode(settings.exportType),
                   settings.destFilePath, settings.destFileName);
  }
  session.ports.window->SetControlText(kDestinationEdit, settings.destFilePath);
}
