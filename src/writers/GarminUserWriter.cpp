// Writer of the Garmin FlightPlan v1 plan whose en-route points are all user waypoints.
#include "writers/GarminUserWriter.h"

void WriteGarminUserPlan(const PlanInput&, PlanStream&) {}
