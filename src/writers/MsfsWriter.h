// The Microsoft Flight Simulator 2000/2002 plan: a "[flightplan]" section of
// key=value lines.
#pragma once

#include "App.h"
#include "writers/PlanStream.h"

// Writes the header lines, "[flightplan]" to "alternate_name=", reading the flight
// type and route type from the main window's radio buttons.
void WriteMsfsHeader(PlanStream& out, App& app);
