// Reader of Nav Flight Planner 3.x's binary plans.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kNavReader;
