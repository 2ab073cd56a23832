// Reader of X-Plane's .fms plans, version 3 and 1100.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kXPlaneReader;
