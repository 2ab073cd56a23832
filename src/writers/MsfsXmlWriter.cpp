// Writer of export type MSFS2020: the document through the XML writer.
#include "writers/MsfsXmlWriter.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "writers/PlanText.h"
#include "writers/RunwayWord.h"
#include "writers/Truncation.h"
#include "writers/WaypointKind.h"
#include "writers/XmlWriter.h"

namespace {

// The simulator's build of MSFS 2020; major version 11 marks a plan of it.
constexpr const char* kAppVersionMajor = "11";
constexpr const char* kAppVersionBuild = "282174";

constexpr long long kHundredthsOfSecondPerDegree = 360000;

const char* FlightRulesText(FlightRules rules) {
  switch (rules) {
    case FlightRules::Vfr: return "VFR";
    case FlightRules::Ifr: return "IFR";
    case FlightRules::None: break;
  }
  return nullptr;
}

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
  return "User";
}

// N47° 27' 28.80" (the degree sign in UTF-8), rounded to the hundredth of a
// second: whole hundredths, so 59.999" carries into the minute.
std::string DegreesMinutesSeconds(double value, char positive, char negative) {
  long long hundredths = std::llround(std::fabs(value) * kHundredthsOfSecondPerDegree);
  long long degrees = hundredths / kHundredthsOfSecondPerDegree;
  long long minutes = hundredths % kHundredthsOfSecondPerDegree / 6000;
  long long seconds = hundredths % 6000;
  char text[64];
  std::snprintf(text, sizeof text, "%c%lld\xC2\xB0 %lld' %lld.%02lld\"", value < 0 ? negative : positive, degrees,
                minutes, seconds / 100, seconds % 100);
  return text;
}

// Latitude, longitude and altitude: N47° 27' 28.80",E8° 32' 52.80",+001416.00
std::string WorldPosition(const WaypointRow& row) {
  char altitude[64];
  std::snprintf(altitude, sizeof altitude, "%+010.2f", row.altitude);
  return DegreesMinutesSeconds(row.latitude, 'N', 'S') + "," + DegreesMinutesSeconds(row.longitude, 'E', 'W') + "," +
         altitude;
}

std::string Ident(const WaypointRow& row) { return AsciiFromAnsi(row.ident); }

std::string Name(const WaypointRow& row) { return AsciiFromAnsi(NameWithBlanks(row.name).c_str()); }

void WriteOptional(XmlWriter& xml, const char* element, const char* text) {
  if (text != nullptr) xml.Element(element, text);
}

void WriteHeader(XmlWriter& xml, const PlanInput& plan) {
  const RouteTable& route = plan.route;
  const WaypointRow& departure = DepartureRow(route);
  const WaypointRow& destination = DestinationRow(route);
  xml.Element("Title", Ident(departure) + " to " + Ident(destination));
  WriteOptional(xml, "FPType", FlightRulesText(plan.flightRules));
  WriteOptional(xml, "RouteType", RouteKindText(plan.routeKind));
  xml.Element("CruisingAlt", std::to_string(TruncatedToInt32(route.cruiseAltitude)));
  xml.Element("DepartureID", Ident(departure));
  xml.Element("DepartureLLA", WorldPosition(departure));
  xml.Element("DestinationID", Ident(destination));
  xml.Element("DestinationLLA", WorldPosition(destination));
  xml.Element("Descr", Ident(departure) + ", " + Ident(destination));
  char runway[kRunwayTextLength + 1];
  FirstRunwayWord(plan.departureRunway, runway);
  xml.Element("DeparturePosition", AsciiFromAnsi(runway));
  xml.Element("DepartureName", Name(departure));
  xml.Element("DestinationName", Name(destination));
  xml.Open("AppVersion");
  xml.Element("AppVersionMajor", kAppVersionMajor);
  xml.Element("AppVersionBuild", kAppVersionBuild);
  xml.Close();
}

void WriteWaypoint(XmlWriter& xml, const WaypointRow& row) {
  WaypointKind kind = WaypointKindOf(row.type);
  std::string ident = Ident(row);
  xml.Open("ATCWaypoint", {{"id", ident}});
  xml.Element("ATCWaypointType", WaypointTypeText(kind));
  xml.Element("WorldPosition", WorldPosition(row));
  // A plain position is the pilot's own: it has no entry in the simulator's data.
  if (kind != WaypointKind::Position) {
    xml.Open("ICAO");
    xml.Element("ICAOIdent", ident);
    xml.Close();
  }
  xml.Close();
}

}  // namespace

void WriteMsfsXmlPlan(const PlanInput& plan, PlanStream& out) {
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("SimBase.Document", {{"Type", "AceXML"}, {"version", "1,0"}});
  xml.Element("Descr", "AceXML Document");
  xml.Open("FlightPlan.FlightPlan");
  WriteHeader(xml, plan);
  for (uint32_t i = 0; i < plan.route.waypointCount; ++i) WriteWaypoint(xml, plan.route.rows[i]);
  xml.Close();
  xml.Close();
}
