// The FSX and Prepar3D plan: the XML flight plan of their SDK, AppVersion 10.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

void WriteFsxPlan(const PlanInput& plan, PlanStream& out);
