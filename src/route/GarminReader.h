// Reader of Garmin's FlightPlan v1 plans (.fpl).
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kGarminReader;
