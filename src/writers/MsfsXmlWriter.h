// The plan of Microsoft Flight Simulator 2020 and 2024, FSX and Prepar3D: the XML
// "SimBase.Document" with one "FlightPlan.FlightPlan" of ATC waypoints.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

// Writes the whole document (at least two rows) with the plan's flight and route
// type and departure runway. Names are written in plain ASCII, which the
// simulator requires; positions in degrees, minutes and seconds to the
// hundredth, which keeps the source's hundredths of a minute.
void WriteMsfsXmlPlan(const PlanInput& plan, PlanStream& out);
