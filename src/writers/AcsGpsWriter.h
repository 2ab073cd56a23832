// The ACS-GPS plan: five lines for every row after the departure airport.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

void WriteAcsGpsPlan(const PlanInput& plan, PlanStream& out);
