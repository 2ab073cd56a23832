// Writer of export type GPX. GPX is UTF-8 throughout, so names keep their accents;
// GPX 1.1 takes longitudes from -180 up to but not including 180.
#include "writers/GpxWriter.h"

#include <cstdio>
#include <string>

#include "route/GpxReader.h"
#include "writers/PlanNumbers.h"
#include "writers/PlanText.h"
#include "writers/Truncation.h"
#include "writers/WaypointKind.h"
#include "writers/XmlWriter.h"

namespace {

constexpr const char* kNamespace = "http://www.topografix.com/GPX/1/1";
constexpr double kMetresPerFoot = 0.3048;
constexpr int kDegreeDecimals = 6;     // as positions are written, "%.6f"
constexpr int kElevationDecimals = 2;  // and elevations, "%.2f"
// How closely the file keeps what it was written for: the positions' sixth
// decimal, the elevations' centimetre (in feet, a little more).
constexpr double kGpxDegrees = 1e-6;
constexpr double kGpxFeet = 0.02;

const char* KindText(WaypointKind kind) {
  switch (kind) {
    case WaypointKind::Airport: return "Airport";
    case WaypointKind::Vor: return "VOR";
    case WaypointKind::Ndb: return "NDB";
    case WaypointKind::Intersection: return "Intersection";
    case WaypointKind::Position: break;
  }
  return "Position";
}

PointKind PointKindOf(WaypointKind kind) {
  switch (kind) {
    case WaypointKind::Airport: return PointKind::Airport;
    case WaypointKind::Vor: return PointKind::Vor;
    case WaypointKind::Ndb: return PointKind::Ndb;
    case WaypointKind::Intersection: return PointKind::Intersection;
    case WaypointKind::Position: break;
  }
  return PointKind::User;
}

const char* FlightRulesText(FlightRules rules) {
  switch (rules) {
    case FlightRules::Vfr: return ", VFR";
    case FlightRules::Ifr: return ", IFR";
    case FlightRules::None: break;
  }
  return "";
}

const char* RouteKindText(RouteKind kind) {
  switch (kind) {
    case RouteKind::DirectGps: return ", direct GPS";
    case RouteKind::VorToVor: return ", VOR to VOR";
    case RouteKind::LowAirways: return ", low altitude airways";
    case RouteKind::HighAirways: return ", high altitude airways";
    case RouteKind::None: break;
  }
  return "";
}

std::string Name(const WaypointRow& row) { return Utf8FromAnsi(PlaceName(row).c_str()); }

// The name, or the identifier of an airport the data did not name.
std::string NameOrIdent(const WaypointRow& row) {
  std::string name = Name(row);
  return name.empty() ? Utf8FromAnsi(row.ident) : name;
}

// "Zurich Airport to Geneva Airport, VFR, VOR to VOR, cruising at 5500 ft"
std::string Description(const PlanInput& plan) {
  const RouteTable& route = plan.route;
  return NameOrIdent(DepartureRow(route)) + " to " + NameOrIdent(DestinationRow(route)) +
         FlightRulesText(plan.flightRules) + RouteKindText(plan.routeKind) + ", cruising at " +
         std::to_string(TruncatedToInt32(route.cruiseAltitude)) + " ft";
}

std::string Decimal(double degrees) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", degrees);
  return text;
}

void WritePoint(XmlWriter& xml, const WaypointRow& row) {
  xml.Open("rtept", {{"lat", Decimal(WithoutNegativeZero(row.latitude, kDegreeDecimals))},
                     {"lon", Decimal(WithinLongitudeRange(row.longitude, kDegreeDecimals))}});
  xml.Number("ele", "%.2f", WithoutNegativeZero(row.altitude * kMetresPerFoot, kElevationDecimals));
  xml.Element("name", Utf8FromAnsi(row.ident));
  std::string name = Name(row);
  if (!name.empty()) xml.Element("desc", name);
  xml.Element("type", KindText(WaypointKindOf(row.type)));
  xml.Close();
}

}  // namespace

void WriteGpxPlan(const PlanInput& plan, PlanStream& out) {
  const RouteTable& route = plan.route;
  std::string title = Utf8FromAnsi(DepartureRow(route).ident) + " to " + Utf8FromAnsi(DestinationRow(route).ident);
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("gpx", {{"xmlns", kNamespace}, {"version", "1.1"}, {"creator", "PlanTransit"}});
  xml.Open("metadata");
  xml.Element("name", title);
  xml.Close();
  xml.Open("rte");
  xml.Element("name", title);
  xml.Element("desc", Description(plan));
  for (uint32_t i = 0; i < route.waypointCount; ++i) WritePoint(xml, route.rows[i]);
  xml.Close();
  xml.Close();
}

PlanPoints ExpectedGpxPoints(const PlanInput& plan) {
  PlanPoints expected;
  for (uint32_t i = 0; i < plan.route.waypointCount; ++i) {
    const WaypointRow& row = plan.route.rows[i];
    expected.points.push_back({Utf8FromAnsi(row.ident), PointKindOf(WaypointKindOf(row.type)), row.latitude,
                               row.longitude, true, row.altitude, ""});
  }
  return expected;
}

const PlanReadBack kGpxReadBack = {&kGpxReader, ExpectedGpxPoints, kGpxDegrees, kGpxFeet};
