// Reader of The one-line GFP plans of the Garmin add-ons.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kGfpReader;
