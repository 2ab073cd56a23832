// Reader of Radar Contact plans: no identifiers between the airports, so never a source.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kRadarContactReader;
