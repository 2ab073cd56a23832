// Reader of GPX 1.0 and 1.1 files: a route, else one track, else the waypoints, in their order.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kGpxReader;
