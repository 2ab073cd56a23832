// Reader of The PMDG aircraft's route files (.rte).
#pragma once

#include "route/PlanReader.h"

// Reads the entries a PMDG route announces, each with its name, its type (1 an
// airport), its leg and its position line "1 N 47.458000 E 8.548000 1416"; an
// entry whose position flag is 0 has none, and such a plan is refused, the points
// named. A source. Claims a file only when its first entry has this layout.
extern const PlanReader kPmdgReader;
