// Reader of Little Navmap's own plan file, .lnmpln.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kLnmplnReader;
