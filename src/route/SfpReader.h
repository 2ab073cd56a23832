// Reader of Super Flight Planner's binary plans.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kSfpReader;
