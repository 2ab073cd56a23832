// Reader of The INI plans of Microsoft Flight Simulator 2000/2002.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kMsfsIniReader;
