#include "writers/PlanChoices.h"

#include <cstddef>

#include "host/ControlIds.h"
#include "host/WindowPort.h"

namespace {

template <typename Choice>
struct RadioChoice {
  int controlId;
  Choice choice;
};

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

PlanChoices ReadPlanChoices(WindowPort& window) {
  return {FirstChecked(window, kFlightRules), FirstChecked(window, kRouteKinds)};
}
