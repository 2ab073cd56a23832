// Reader of GPX 1.1 files: a route, else the waypoints or one track in their order.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kGpxReader;
