// The ACS-GPS plan: five lines for every row after the departure airport.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

void WriteAcsGpsPlan(const PlanInput& plan, PlanStream& out);

// How a plan written by WriteAcsGpsPlan is read back and checked.
extern const PlanReadBack kAcsGpsReadBack;
