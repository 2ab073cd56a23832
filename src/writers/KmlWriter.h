// The KML 2.2 document: the route as a line and a placemark per point.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

void WriteKmlPlan(const PlanInput& plan, PlanStream& out);
