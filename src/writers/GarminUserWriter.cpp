// Writer of the Garmin plan with user waypoints: the Garmin plan's own table and
// document, with only the airports left to the unit's database.
#include "writers/GarminUserWriter.h"

#include "route/GarminReader.h"
#include "writers/GarminWaypoints.h"
#include "writers/GarminWriter.h"

void WriteGarminUserPlan(const PlanInput& plan, PlanStream& out) {
  WriteGarminDocument(MakeGarminRoute(plan.route, GarminLookup::AirportsOnly), out);
}

PlanPoints ExpectedGarminUserPoints(const PlanInput& plan) {
  return GarminPlanPoints(plan.route, MakeGarminRoute(plan.route, GarminLookup::AirportsOnly));
}

const PlanReadBack kGarminUserReadBack = {&kGarminReader, ExpectedGarminUserPoints, kGarminDegrees, kGarminFeet};
