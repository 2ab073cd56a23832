// Writer of the FLP plan of the Aerosoft Airbus and CRJ and X-Plane FMS add-ons.
#include "writers/FlpWriter.h"

void WriteFlpPlan(const PlanInput&, PlanStream&) {}
