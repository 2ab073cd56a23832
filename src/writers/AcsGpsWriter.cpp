// Writer of export type ACS-GPS: five lines for every row after the departure
// airport, longitude before latitude, and no header.
#include "writers/AcsGpsWriter.h"

#include "route/AcsGpsReader.h"
#include "route/TextEncoding.h"

namespace {

// Ident, name, longitude, latitude and an empty line.
void WriteAcsGpsBlock(PlanStream& out, const WaypointRow& row) {
  out.Print("%s\n%s\n%c %02d* %05.2fm\n%c %02d* %05.2fm\n\n", row.ident, row.name, row.lonHemisphere,
            row.lonDegrees, row.lonMinutes, row.latHemisphere, row.latDegrees, row.latMinutes);
}

}  // namespace

void WriteAcsGpsPlan(const PlanInput& plan, PlanStream& out) {
  for (uint32_t i = 1; i < plan.route.waypointCount; ++i) {
    WriteAcsGpsBlock(out, plan.route.rows[i]);
    if (!out.BlockWritten()) return;
  }
}

PlanPoints ExpectedAcsGpsPoints(const PlanInput& plan) {
  PlanPoints expected;
  for (uint32_t i = 1; i < plan.route.waypointCount; ++i) {
    const WaypointRow& row = plan.route.rows[i];
    expected.points.push_back({Utf8FromWindows1252(row.ident), PointKind::Unknown, row.latitude, row.longitude, false,
                               0.0, Utf8FromWindows1252(row.name)});
  }
  return expected;
}

const PlanReadBack kAcsGpsReadBack = {&kAcsGpsReader, ExpectedAcsGpsPoints, 0.005 / 60 + 1e-9, -1.0};
