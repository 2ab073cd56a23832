// Reader of ACS-GPS plans: no departure airport, so never a source.
#pragma once

#include "route/PlanReader.h"

// Reads the blocks of five lines (identifier, name, "E 08* 26.22m", "N 47*
// 41.35m", an empty line): the points after the departure, without altitudes.
extern const PlanReader kAcsGpsReader;
