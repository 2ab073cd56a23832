// Writer of export type MSFS: the header block, then one block per waypoint line.
#include "writers/MsfsWriter.h"

#include "route/MsfsIniReader.h"
#include "route/PointFields.h"
#include "route/TextEncoding.h"
#include "writers/RunwayWord.h"
#include "writers/Truncation.h"

namespace {

// The line of the chosen flight type; none when no type was chosen.
const char* FlightTypeLine(FlightRules rules) {
  switch (rules) {
    case FlightRules::Vfr: return "type=VFR\n";
    case FlightRules::Ifr: return "type=IFR\n";
    case FlightRules::None: break;
  }
  return "";
}

const char* RouteTypeLine(RouteKind kind) {
  switch (kind) {
    case RouteKind::DirectGps: return "routetype=0\n";
    case RouteKind::VorToVor: return "routetype=1\n";
    case RouteKind::LowAirways: return "routetype=2\n";
    case RouteKind::HighAirways: return "routetype=3\n";
    case RouteKind::None: break;
  }
  return "";
}

// "<key><ident>, <coordinates>, <signed altitude>" of one row. The sign stands
// inside the ten characters ("-000054.00"): readers take "+-00054.00" as 0 ft.
void WriteAirportLine(PlanStream& out, const char* key, const WaypointRow& row) {
  out.Print("%s%s, %c%02d* %4.2f', %c%03d* %4.2f', %+010.2f\n", key, row.ident, row.latHemisphere,
            row.latDegrees, row.latMinutes, row.lonHemisphere, row.lonDegrees, row.lonMinutes,
            row.altitude);
}

void WriteWaypointLine(PlanStream& out, int index, const WaypointRow& row) {
  out.Print("%s%d=%s, %c, %c%02d* %4.2f', %c%03d* %4.2f', %+010.2f,\n", "waypoint.", index, row.ident,
            row.type, row.latHemisphere, row.latDegrees, row.latMinutes, row.lonHemisphere,
            row.lonDegrees, row.lonMinutes, row.altitude);
}

}  // namespace

void WriteMsfsHeader(PlanStream& out, const PlanInput& plan) {
  const RouteTable& route = plan.route;
  const WaypointRow& departure = DepartureRow(route);
  const WaypointRow& destination = DestinationRow(route);
  out.Print("[flightplan]\n");
  out.Print("title=%s to %s\n", departure.ident, destination.ident);
  out.Print("description=%s, %s\n", departure.ident, destination.ident);
  out.Print("%s", FlightTypeLine(plan.flightRules));
  out.Print("%s", RouteTypeLine(plan.routeKind));
  out.Print("cruising_altitude=%d\n", TruncatedToInt32(route.cruiseAltitude));
  WriteAirportLine(out, "departure_id=", departure);
  char position[kRunwayTextLength + 1];
  FirstRunwayWord(plan.departureRunway, position);
  out.Print("departure_position=%s\n", position);
  WriteAirportLine(out, "destination_id=", destination);
  WriteAirportLine(out, "alternate_id=", destination);
  out.Print("departure_name=%s\n", departure.name);
  out.Print("destination_name=%s\n", destination.name);
  out.Print("alternate_name=%s\n", destination.name);
}

void WriteMsfsPlan(const PlanInput& plan, PlanStream& out) {
  WriteMsfsHeader(out, plan);
  if (!out.BlockWritten()) return;
  for (uint32_t i = 0; i < plan.route.waypointCount; ++i) {
    WriteWaypointLine(out, static_cast<int>(i), plan.route.rows[i]);
    if (!out.BlockWritten()) return;
  }
}

PlanPoints ExpectedMsfsPoints(const PlanInput& plan) {
  PlanPoints expected;
  for (uint32_t i = 0; i < plan.route.waypointCount; ++i) {
    const WaypointRow& row = plan.route.rows[i];
    expected.points.push_back({Utf8FromWindows1252(row.ident), KindOfTypeLetter(row.type), row.latitude, row.longitude,
                               true, row.altitude, ""});
  }
  return expected;
}

const PlanReadBack kMsfsReadBack = {&kMsfsIniReader, ExpectedMsfsPoints, 0.005 / 60 + 1e-9, 0.005 + 1e-9};
