// Writer of the FlightGear route manager plan (.fgfp), a PropertyList XML file.
#include "writers/FgfpWriter.h"

void WriteFgfpPlan(const PlanInput&, PlanStream&) {}
