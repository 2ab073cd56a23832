// The plan of Microsoft Flight Simulator 2020 and 2024, FSX and Prepar3D: the XML
// "SimBase.Document" with one "FlightPlan.FlightPlan" of ATC waypoints.
#pragma once

#include "route/RouteTable.h"
#include "writers/PlanChoices.h"

class PlanStream;

// Writes the whole document for `route` (at least two rows) with the flight and
// route type of `choices`. Names are written in plain ASCII, which the simulator
// requires; positions in degrees, minutes and seconds to the hundredth, which
// keeps the source's hundredths of a minute.
void WriteMsfsXmlDocument(PlanStream& out, const RouteTable& route, const PlanChoices& choices);
