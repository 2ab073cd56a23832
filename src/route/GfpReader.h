// Reader of the one-line GFP plans of the Garmin GTN/GNS add-ons:
// "FPN/RI:F:LSZH:F:N47414E008262:F:LSGG".
#pragma once

#include "route/PlanReader.h"

// Reads every waypoint ("F:") element in order: a position in degrees, minutes
// and tenths of a minute is a user point named by that text; any other name is a
// point without a position (the build places airports at the ends from the
// airport data and refuses other points named only). An airway is refused.
extern const PlanReader kGfpReader;
