// The radio buttons and what they choose, in one place for the presets and the plans.
#include "commands/MainWindowSetup.h"

#include <cstddef>

#include "host/ControlIds.h"
#include "host/WindowPort.h"

namespace {

template <typename Choice>
struct RadioChoice {
  int controlId;
  Choice choice;
};

// In the order the buttons are read: the first checked one counts.
constexpr RadioChoice<FlightRules> kFlightRules[] = {
    {kVfrRadio, FlightRules::Vfr},
    {kIfrRadio, FlightRules::Ifr},
};

constexpr RadioChoice<RouteKind> kRouteKinds[] = {
    {kDirectGpsRadio, RouteKind::DirectGps},
    {kVorToVorRadio, RouteKind::VorToVor},
    {kLowAirwaysRadio, RouteKind::LowAirways},
    {kHighAirwaysRadio, RouteKind::HighAirways},
};

template <typename Choice, std::size_t N>
Choice FirstChecked(WindowPort& window, const RadioChoice<Choice> (&radios)[N]) {
  for (const RadioChoice<Choice>& radio : radios) {
    if (window.IsButtonChecked(radio.controlId)) return radio.choice;
  }
  return Choice::None;
}

}  // namespace

void ShowFilePaths(Session& session) {
  session.ports.window->SetControlText(kSourceEdit, session.settings.sourceFilePath);
  session.ports.window->SetControlText(kDestinationEdit, session.settings.destFilePath);
}

int FlightTypeRadio(int preset) {
  switch (preset) {
    case 0: return kVfrRadio;
    case 1: return kIfrRadio;
    default: return 0;
  }
}

int RouteTypeRadio(int preset) {
  switch (preset) {
    case 0: return kDirectGpsRadio;
    case 1: return kVorToVorRadio;
    case 2: return kLowAirwaysRadio;
    case 3: return kHighAirwaysRadio;
    default: return 0;
  }
}

void PresetRouteChoices(Session& session) {
  WindowPort& window = *session.ports.window;
  if (int radio = FlightTypeRadio(session.settings.defaultFlightType)) {
    window.CheckRadio(kVfrRadio, kIfrRadio, radio);
  }
  if (int radio = RouteTypeRadio(session.settings.defaultRouteType)) {
    window.CheckRadio(kVorToVorRadio, kDirectGpsRadio, radio);
  }
}

PlanChoices ReadPlanChoices(WindowPort& window) {
  return {FirstChecked(window, kFlightRules), FirstChecked(window, kRouteKinds)};
}
