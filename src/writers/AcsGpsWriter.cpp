// Writer of export type ACS-GPS: five lines for every row after the departure
// airport, longitude before latitude, and no header.
#include "writers/ExportFrame.h"
#include "writers/PlanWriters.h"

namespace {

// Ident, name, longitude, latitude and an empty line.
void WriteAcsGpsBlock(PlanStream& out, const WaypointRow& row) {
  out.Print("%s\n%s\n%c %02d* %05.2fm\n%c %02d* %05.2fm\n\n", row.ident, row.name, row.lonHemisphere,
            row.lonDegrees, row.lonMinutes, row.latHemisphere, row.latDegrees, row.latMinutes);
}

}  // namespace

int WriteAcsGpsPlan(App& app, char* path, char* name) {
  return RunExportFrame(app, kExportAcsGps, path, name, [&](PlanStream& out) {
    for (uint32_t i = 1; i < app.route.waypointCount; ++i) {
      WriteAcsGpsBlock(out, app.route.rows[i]);
      if (!out.BlockWritten()) return false;
    }
    return true;
  });
}
