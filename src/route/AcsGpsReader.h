// Reader of ACS-GPS plans: no departure airport, so never a source.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kAcsGpsReader;
