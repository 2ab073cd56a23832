// Reader of FlightGear's route manager plans (.fgfp).
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kFgfpReader;
