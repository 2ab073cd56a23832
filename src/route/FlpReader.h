// Reader of The FLP plans of the Aerosoft aircraft and X-Plane FMS add-ons.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kFlpReader;
