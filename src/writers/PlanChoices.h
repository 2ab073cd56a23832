// The flight type and route type chosen in the main window, read once by the
// writers of today's formats.
#pragma once

class WindowPort;

enum class FlightRules { None, Vfr, Ifr };
enum class RouteKind { None, DirectGps, VorToVor, LowAirways, HighAirways };

struct PlanChoices {
  FlightRules flightRules;
  RouteKind routeKind;
};

// The first checked button of each radio group ("VFR" before "IFR"; "Direct GPS",
// "VOR to VOR", "Low Altitude Airways", "High Altitude Airways"); None for a
// group without one.
PlanChoices ReadPlanChoices(WindowPort& window);
