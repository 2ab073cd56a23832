// Writer of export type ACS-GPS: five lines for every row after the departure
// airport, longitude before latitude, and no header.
#include "writers/AcsGpsWriter.h"

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

const PlanReadBack kAcsGpsReadBack = {};
