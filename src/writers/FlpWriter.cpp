// Writer of the FLP plan of the Aerosoft Airbus and CRJ and X-Plane FMS add-ons,
// an INI file whose keys the FMS reads by name.
#include "writers/FlpWriter.h"

#include <string>

#include "writers/NamedPointWriter.h"
#include "writers/PlanNumbers.h"

namespace {

// The keys of [CoRte] before the legs; the FMS takes an empty one as not set.
constexpr const char* kUnsetKeys[] = {"ArptAltn",      "SID",        "SIDEnrTrans", "STAR",    "EnrSTARTrans",
                                      "STARApprTrans", "APPR_Trans", "RwyArrFINAL", "CoRoute", "FltNo"};

bool IsNamedAirport(const WaypointRow& row) { return LookupKind(row) == WaypointKind::Airport; }

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
  uint32_t first = fromAirport ? 1 : 0;
  uint32_t end = toAirport ? route.waypointCount - 1 : route.waypointCount;
  for (uint32_t i = first; i < end; ++i) WriteLeg(out, ++number, route.rows[i]);
}

const PlanReadBack kFlpReadBack = {};
