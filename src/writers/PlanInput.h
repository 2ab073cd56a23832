// What a writer is given: the route, the runways and the flight and route type
// the user chose, the day of the conversion and the plan's file name. A writer is
// a function of this and nothing else, so the window, the converter and the tests
// get the same bytes from the same input.
#pragma once

#include "host/DatePort.h"
#include "route/RouteTable.h"

enum class FlightRules { None, Vfr, Ifr };
enum class RouteKind { None, DirectGps, VorToVor, LowAirways, HighAirways };

// The day a plan is written, as plans name it.
struct ConversionDate {
  bool dayKnown;
  CalendarDate day;               // X-Plane names the AIRAC cycle of this day
  char longDate[kLongDateSize];   // the locale's long date; "" when the platform has none
};

// Today from `dates`; unknown, with an empty long date, for what it cannot give
// (or when there is no date port at all).
ConversionDate ReadConversionDate(DatePort* dates);

struct PlanInput {
  const RouteTable& route;        // at least two rows
  const char* departureRunway;    // the chosen runway texts ("16 12139 "); "" for none
  const char* destinationRunway;
  FlightRules flightRules;        // None: no type was chosen, and none is written
  RouteKind routeKind;
  const ConversionDate& date;
  const char* fileName;           // the plan's file name, extension included
};
