// Reader of SquawkBox plans: no airport positions, so never a source.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kSquawkBoxReader;
