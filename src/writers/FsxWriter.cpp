// Writer of the FSX and Prepar3D plan: the XML flight plan of their SDK, AppVersion 10.
#include "writers/FsxWriter.h"

void WriteFsxPlan(const PlanInput&, PlanStream&) {}
