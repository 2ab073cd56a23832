// Writer of the Garmin GFP plan of the GTN/GNS add-ons: one FPN line, user points as coordinates.
#include "writers/GfpWriter.h"

#include <cstdio>
#include <string>

#include "route/GfpReader.h"
#include "route/PointFields.h"
#include "writers/NamedPointWriter.h"

namespace {

constexpr long long kTenthsPerDegree = 600;

// "N47414E008262": hemisphere, degrees, minutes and tenths of a minute.
std::string GarminCoordinates(double latitude, double longitude) {
  CoordinatePart lat = LatitudePart(latitude, kTenthsPerDegree);
  CoordinatePart lon = LongitudePart(longitude, kTenthsPerDegree);
  char text[64];
  std::snprintf(text, sizeof text, "%c%02lld%03lld%c%03lld%03lld", lat.hemisphere, lat.units / kTenthsPerDegree,
                lat.units % kTenthsPerDegree, lon.hemisphere, lon.units / kTenthsPerDegree,
                lon.units % kTenthsPerDegree);
  return text;
}

std::string Point(const WaypointRow& row) {
  if (LookupKind(row) == WaypointKind::Airport) return row.ident;
  return GarminCoordinates(row.latitude, row.longitude);
}

}  // namespace

void WriteGfpPlan(const PlanInput& plan, PlanStream& out) {
  std::string line = "FPN/RI";
  for (uint32_t i = 0; i < plan.route.waypointCount; ++i) line += ":F:" + Point(plan.route.rows[i]);
  out.Print("%s\n", line.c_str());
}

PlanPoints ExpectedGfpPoints(const PlanInput& plan) {
  PlanPoints expected;
  for (uint32_t i = 0; i < plan.route.waypointCount; ++i) {
    const WaypointRow& row = plan.route.rows[i];
    if (LookupKind(row) == WaypointKind::Airport) {
      expected.points.push_back(PointNamedOnly(row.ident, PointKind::Unknown));
      continue;
    }
    expected.points.push_back(
        {GarminCoordinates(row.latitude, row.longitude), PointKind::User, row.latitude, row.longitude, false, 0.0, ""});
  }
  return expected;
}

const PlanReadBack kGfpReadBack = {&kGfpReader, ExpectedGfpPoints, 0.05 / 60 + 1e-9, -1.0};
