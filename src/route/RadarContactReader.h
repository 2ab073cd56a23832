// Reader of Radar Contact plans: no identifiers between the airports, so never a source.
#pragma once

#include "route/PlanReader.h"

// Reads the departure, the checkpoints (identifier "") and the arrival, each with
// its position and altitude (checkpoint altitudes are filed in tens of feet), up
// to "RETURN".
extern const PlanReader kRadarContactReader;
