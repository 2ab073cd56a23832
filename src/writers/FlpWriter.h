// The FLP plan of the Aerosoft Airbus and CRJ and X-Plane FMS add-ons.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

void WriteFlpPlan(const PlanInput& plan, PlanStream& out);
