// Writer of export type SQB: the route line, then one colon-separated line for
// every waypoint between the two airports.
#include "writers/SquawkBoxWriter.h"

#include "route/PointFields.h"
#include "route/SquawkBoxReader.h"
#include "route/TextEncoding.h"
#include "writers/Truncation.h"

namespace {

// SquawkBox has always been given 0 for the route's length and for the value
// each waypoint line carries: neither is computed.
constexpr double kRouteDistance = 0.0;
constexpr double kWaypointValue = 0.0;

// Type, ident, position, the route value, the waypoint's altitude, the next
// row's altitude and the heading.
void WriteSquawkBoxWaypointLine(PlanStream& out, const RouteTable& route, int index) {
  const WaypointRow& row = route.rows[index];
  out.Print("%c:%s:%lf:%lf:%d:%0.0lf:%0.0lf:%0.0lf\n", row.type, row.ident, row.latitude, row.longitude,
            TruncatedToInt32(kWaypointValue), row.altitude, route.rows[index + 1].altitude, Heading(row));
}

}  // namespace

void WriteSquawkBoxPlan(const PlanInput& plan, PlanStream& out) {
  const RouteTable& route = plan.route;
  out.Print("%s:%s:%d\n", DepartureRow(route).ident, DestinationRow(route).ident, TruncatedToInt32(kRouteDistance));
  if (!out.BlockWritten()) return;
  const int lastWaypoint = static_cast<int>(route.waypointCount) - 2;
  for (int i = 1; i <= lastWaypoint; ++i) {
    WriteSquawkBoxWaypointLine(out, route, i);
    if (!out.BlockWritten()) return;
  }
}

PlanPoints ExpectedSquawkBoxPoints(const PlanInput& plan) {
  PlanPoints expected;
  for (uint32_t i = 1; i + 1 < plan.route.waypointCount; ++i) {
    const WaypointRow& row = plan.route.rows[i];
    expected.points.push_back({Utf8FromWindows1252(row.ident), KindOfTypeLetter(row.type), row.latitude, row.longitude,
                               true, row.altitude, ""});
  }
  return expected;
}

const PlanReadBack kSquawkBoxReadBack = {&kSquawkBoxReader, ExpectedSquawkBoxPoints, 1e-6, 0.5};
