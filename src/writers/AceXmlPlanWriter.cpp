// The XML plan of FSX, Prepar3D and MSFS 2020, and the pieces MSFS 2024's EFB plan takes from it, written through
// the XML writer.
#include "writers/AceXmlPlanWriter.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "writers/PlanNumbers.h"
#include "writers/PlanText.h"
#include "writers/RunwayWord.h"
#include "writers/Truncation.h"
#include "writers/WaypointKind.h"
#include "writers/XmlWriter.h"

namespace {

constexpr std::size_t kMaxIdLength = 10;
constexpr const char* kUserType = "User";
constexpr long long kHundredthsOfSecondPerDegree = 360000;

const char* RouteKindText(RouteKind kind) {
  switch (kind) {
    case RouteKind::DirectGps: return "Direct";
    case RouteKind::VorToVor: return "VOR";
    case RouteKind::LowAirways: return "LowAlt";
    case RouteKind::HighAirways: return "HighAlt";
    case RouteKind::None: break;
  }
  return nullptr;
}

const char* WaypointTypeText(WaypointKind kind) {
  switch (kind) {
    case WaypointKind::Airport: return "Airport";
    case WaypointKind::Vor: return "VOR";
    case WaypointKind::Ndb: return "NDB";
    case WaypointKind::Intersection: return "Intersection";
    case WaypointKind::Position: break;
  }
  return kUserType;
}

std::string WithoutEndBlanks(const std::string& text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsIdCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == ' ';
}

std::string SafeId(const char* ident, uint32_t index) {
  std::string kept;
  for (char c : AsciiFromAnsi(ident)) {
    if (IsIdCharacter(c)) kept += c;
  }
  std::string id = WithoutEndBlanks(WithoutEndBlanks(kept).substr(0, kMaxIdLength));
  return id.empty() ? "WPT" + std::to_string(index + 1) : id;
}

// N47° 27' 28.80" (the degree sign in UTF-8), rounded to the hundredth of a second: whole hundredths, so 59.999"
// carries into the minute. A value that shows as zero takes the positive hemisphere.
std::string DegreesMinutesSeconds(double value, char positive, char negative) {
  long long hundredths = std::llround(std::fabs(value) * kHundredthsOfSecondPerDegree);
  long long degrees = hundredths / kHundredthsOfSecondPerDegree;
  long long minutes = hundredths % kHundredthsOfSecondPerDegree / 6000;
  long long seconds = hundredths % 6000;
  char hemisphere = value < 0 && hundredths != 0 ? negative : positive;
  char text[64];
  std::snprintf(text, sizeof text, "%c%lld\xC2\xB0 %lld' %lld.%02lld\"", hemisphere, degrees, minutes, seconds / 100,
                seconds % 100);
  return text;
}

// The row's latitude and longitude as written: N47° 27' 28.80",E8° 32' 52.80"
std::string Place(const WaypointRow& row) {
  return DegreesMinutesSeconds(row.latitude, 'N', 'S') + "," + DegreesMinutesSeconds(row.longitude, 'E', 'W');
}

// The place and the altitude: N47° 27' 28.80",E8° 32' 52.80",+001416.00
std::string WorldPosition(const WaypointRow& row) {
  char altitude[64];
  std::snprintf(altitude, sizeof altitude, "%+010.2f", WithoutNegativeZero(row.altitude, 2));
  return Place(row) + "," + altitude;
}

std::string Name(const WaypointRow& row) { return WithoutEndBlanks(AsciiFromAnsi(PlaceName(row).c_str())); }

void WriteAppVersion(XmlWriter& xml, const AceAppVersion& version) {
  xml.Open("AppVersion");
  xml.Element("AppVersionMajor", version.major);
  xml.Element("AppVersionBuild", version.build);
  xml.Close();
}

void WriteHeader(XmlWriter& xml, const PlanInput& plan, const std::string& departure, const std::string& destination) {
  const RouteTable& route = plan.route;
  xml.Element("Title", departure + " to " + destination);
  xml.Element("FPType", AceFlightRules(plan.flightRules));
  if (const char* kind = RouteKindText(plan.routeKind)) xml.Element("RouteType", kind);
  xml.Element("CruisingAlt", std::to_string(TruncatedToInt32(route.cruiseAltitude)));
  xml.Element("DepartureID", departure);
  xml.Element("DepartureLLA", WorldPosition(DepartureRow(route)));
  xml.Element("DestinationID", destination);
  xml.Element("DestinationLLA", WorldPosition(DestinationRow(route)));
  xml.Element("Descr", departure + ", " + destination);
  AceRunway runway;
  if (AceRunwayOf(plan.departureRunway, runway)) xml.Element("DeparturePosition", runway.number + runway.side);
  xml.Element("DepartureName", Name(DepartureRow(route)));
  xml.Element("DestinationName", Name(DestinationRow(route)));
}

}  // namespace

std::vector<AceWaypoint> AceWaypoints(const RouteTable& route) {
  std::vector<AceWaypoint> waypoints;
  std::vector<std::string> places;
  for (uint32_t i = 0; i < route.waypointCount; ++i) {
    const WaypointRow& row = route.rows[i];
    AceWaypoint waypoint{SafeId(row.ident, i), WaypointTypeText(WaypointKindOf(row.type))};
    places.push_back(Place(row));
    uint32_t first = 0;  // the first row of this id: this one when no earlier row has it
    while (first < i && waypoints[first].id != waypoint.id) ++first;
    if (waypoint.id != row.ident || places[first] != places[i]) waypoint.type = kUserType;
    waypoints.push_back(waypoint);
  }
  return waypoints;
}

void WriteAceWaypoint(XmlWriter& xml, const WaypointRow& row, const AceWaypoint& waypoint) {
  xml.Open("ATCWaypoint", {{"id", waypoint.id}});
  xml.Element("ATCWaypointType", waypoint.type);
  xml.Element("WorldPosition", WorldPosition(row));
  xml.Open("ICAO");
  xml.Element("ICAOIdent", waypoint.id);
  xml.Close();
  xml.Close();
}

const char* AceFlightRules(FlightRules rules) { return rules == FlightRules::Ifr ? "IFR" : "VFR"; }

bool AceRunwayOf(const char* runway, AceRunway& named) {
  named = AceRunway{};
  std::string designator;  // two digits and the side: "07C"
  if (!RunwayDesignator(runway, designator)) return false;
  named.number = designator.substr(designator[0] == '0' ? 1 : 0, designator[0] == '0' ? 1 : 2);
  named.side = designator.substr(2);
  return true;
}

PointKind AcePointKind(const char* type) {
  std::string_view text = type;
  if (text == "Airport") return PointKind::Airport;
  if (text == "VOR") return PointKind::Vor;
  if (text == "NDB") return PointKind::Ndb;
  if (text == "Intersection") return PointKind::Intersection;
  return text == kUserType ? PointKind::User : PointKind::Unknown;
}

PlanPoints ExpectedAceXmlPoints(const PlanInput& plan) {
  PlanPoints expected;
  std::vector<AceWaypoint> waypoints = AceWaypoints(plan.route);
  for (uint32_t i = 0; i < plan.route.waypointCount; ++i) {
    const WaypointRow& row = plan.route.rows[i];
    expected.points.push_back({waypoints[i].id, AcePointKind(waypoints[i].type), row.latitude, row.longitude, true,
                               row.altitude, ""});
  }
  AceRunway runway;
  if (AceRunwayOf(plan.departureRunway, runway)) expected.departureRunway = runway.number + runway.side;
  return expected;
}

void WriteAceXmlPlan(const PlanInput& plan, PlanStream& out, const AceAppVersion& version) {
  std::vector<AceWaypoint> waypoints = AceWaypoints(plan.route);
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("SimBase.Document", {{"Type", "AceXML"}, {"version", "1,0"}});
  xml.Element("Descr", "AceXML Document");
  xml.Open("FlightPlan.FlightPlan");
  WriteHeader(xml, plan, waypoints.front().id, waypoints.back().id);
  WriteAppVersion(xml, version);
  for (uint32_t i = 0; i < plan.route.waypointCount; ++i) WriteAceWaypoint(xml, plan.route.rows[i], waypoints[i]);
  xml.Close();
  xml.Close();
}
