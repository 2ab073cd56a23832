// The FlightGear route manager plan (.fgfp), a PropertyList XML file.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

void WriteFgfpPlan(const PlanInput& plan, PlanStream& out);
