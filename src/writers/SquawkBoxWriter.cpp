// Writer of export type SQB: the route line, then one colon-separated line for
// every waypoint between the two airports.
#include "writers/ExportFrame.h"
#include "writers/PlanWriters.h"
#include "writers/Truncation.h"

namespace {

// Type, ident, position, the route value, the waypoint's altitude, the next
// row's altitude and the heading.
void WriteSquawkBoxWaypointLine(PlanStream& out, const RouteTable& route, int index) {
  const WaypointRow& row = route.rows[index];
  out.Print("%c:%s:%lf:%lf:%d:%0.0lf:%0.0lf:%0.0lf\n", row.type, row.ident, row.latitude, row.longitude,
            TruncatedToInt32(route.squawkBoxValue), row.altitude, route.rows[index + 1].altitude,
            Heading(row));
}

}  // namespace

int WriteSquawkBoxPlan(App& app, char* path, char* name) {
  return RunExportFrame(app, kExportSqb, path, name, [&](PlanStream& out) {
    RouteTable& route = app.route;
    route.routeDistance = 0.0;
    out.Print("%s:%s:%d\n", DepartureRow(route).ident, DestinationRow(route).ident,
              TruncatedToInt32(route.routeDistance));
    if (!out.BlockWritten()) return false;
    route.squawkBoxValue = 0.0;
    const int lastWaypoint = static_cast<int>(route.waypointCount) - 2;
    for (int i = 1; i <= lastWaypoint; ++i) {
      WriteSquawkBoxWaypointLine(out, route, i);
      if (!out.BlockWritten()) return false;
    }
    return true;
  });
}
