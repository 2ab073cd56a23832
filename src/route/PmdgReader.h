// Reader of The PMDG aircraft's route files (.rte).
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kPmdgReader;
