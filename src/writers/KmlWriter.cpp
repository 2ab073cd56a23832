// Writer of the KML 2.2 document: the route as a line and a placemark per point.
#include "writers/KmlWriter.h"

void WriteKmlPlan(const PlanInput&, PlanStream&) {}
