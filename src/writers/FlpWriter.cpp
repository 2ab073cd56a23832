// Writer of the FLP plan of the Aerosoft Airbus and CRJ and X-Plane FMS add-ons,
// an INI file whose keys the FMS reads by name.
#include "writers/FlpWriter.h"

#include <string>

#include "route/FlpReader.h"
#include "route/PointFields.h"
#include "writers/NamedPointWriter.h"
#include "writers/PlanNumbers.h"

namespace {

// The keys of [CoRte] before the legs; the FMS takes an empty one as not set.
constexpr const char* kUnsetKeys[] = {"ArptAltn",      "SID",        "SIDEnrTrans", "STAR",    "EnrSTARTrans",
                                      "STARApprTrans", "APPR_Trans", "RwyArrFINAL", "CoRoute", "FltNo"};

bool IsNamedAirport(const WaypointRow& row) { return LookupKind(row) == WaypointKind::Airport; }

// The rows written as legs: all but the airports named at the ends.
void LegRange(const RouteTable& route, uint32_t& first, uint32_t& end) {
  first = IsNamedAirport(DepartureRow(route)) ? 1 : 0;
  end = IsNamedAirport(DestinationRow(route)) ? route.waypointCount - 1 : route.waypointCount;
}

void WriteLeg(PlanStream& out, int number, const WaypointRow& row) {
  out.Print("DctWpt%d=%s\nDctWpt%dCoordinates=%.6f,%.6f\n", number, LookupName(row).c_str(), number,
            WithoutNegativeZero(row.latitude, 6), WithinLongitudeRange(row.longitude, 6));
}

}  // namespace

void WriteFlpPlan(const PlanInput& plan, PlanStream& out) {
  const RouteTable& route = plan.route;
  const WaypointRow& departure = DepartureRow(route);
  const WaypointRow& destination = DestinationRow(route);
  bool fromAirport = IsNamedAirport(departure);
  bool toAirport = IsNamedAirport(destination);
  out.Print("[CoRte]\nArptDep=%s\nRwyDep=\nArptArr=%s\nRwyArr=\n", fromAirport ? departure.ident : "",
            toAirport ? destination.ident : "");
  for (const char* key : kUnsetKeys) out.Print("%s=\n", key);
  int number = 0;
  uint32_t first = 0;
  uint32_t end = 0;
  LegRange(route, first, end);
  for (uint32_t i = first; i < end; ++i) WriteLeg(out, ++number, route.rows[i]);
}

PlanPoints ExpectedFlpPoints(const PlanInput& plan) {
  const RouteTable& route = plan.route;
  PlanPoints expected;
  uint32_t first = 0;
  uint32_t end = 0;
  LegRange(route, first, end);
  if (first == 1) expected.points.push_back(PointNamedOnly(DepartureRow(route).ident, PointKind::Airport));
  for (uint32_t i = first; i < end; ++i) {
    const WaypointRow& row = route.rows[i];
    expected.points.push_back({LookupName(row), PointKind::Unknown, row.latitude, row.longitude, false, 0.0, ""});
  }
  if (end < route.waypointCount) expected.points.push_back(PointNamedOnly(DestinationRow(route).ident, PointKind::Airport));
  return expected;
}

const PlanReadBack kFlpReadBack = {&kFlpReader, ExpectedFlpPoints, 1e-6, -1.0};
