// Writer of export type GARMIN. Country codes stay empty: the route table does not
// know them, and the units find a waypoint by identifier and type.
#include "writers/GarminWriter.h"

#include <string>

#include "route/GarminReader.h"
#include "writers/XmlWriter.h"

namespace {

constexpr const char* kNamespace = "http://www8.garmin.com/xmlschemas/FlightPlan/v1";
constexpr std::size_t kRouteNameLength = 25;

void WriteTableEntry(XmlWriter& xml, const GarminWaypoint& entry) {
  xml.Open("waypoint");
  xml.Element("identifier", entry.identifier);
  xml.Element("type", entry.type);
  xml.Element("country-code", "");
  xml.Number("lat", "%.6f", entry.latitude);
  xml.Number("lon", "%.6f", entry.longitude);
  if (!entry.comment.empty()) xml.Element("comment", entry.comment);
  if (entry.hasElevation) xml.Number("elevation", "%.2f", entry.elevationMetres);
  xml.Close();
}

void WriteRoutePoint(XmlWriter& xml, const GarminWaypoint& entry) {
  xml.Open("route-point");
  xml.Element("waypoint-identifier", entry.identifier);
  xml.Element("waypoint-type", entry.type);
  xml.Element("waypoint-country-code", "");
  xml.Close();
}

}  // namespace

void WriteGarminDocument(const GarminRoute& garmin, PlanStream& out) {
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("flight-plan", {{"xmlns", kNamespace}});
  xml.Open("waypoint-table");
  for (const GarminWaypoint& entry : garmin.table) WriteTableEntry(xml, entry);
  xml.Close();
  xml.Open("route");
  const std::string& from = garmin.table[garmin.points.front()].identifier;
  const std::string& to = garmin.table[garmin.points.back()].identifier;
  xml.Element("route-name", GarminText(from + " TO " + to, kRouteNameLength));
  xml.Element("flight-plan-index", "1");
  for (std::size_t point : garmin.points) WriteRoutePoint(xml, garmin.table[point]);
  xml.Close();
  xml.Close();
}

void WriteGarminPlan(const PlanInput& plan, PlanStream& out) {
  WriteGarminDocument(MakeGarminRoute(plan.route, GarminLookup::Named), out);
}

PlanPoints ExpectedGarminPoints(const PlanInput& plan) {
  return GarminPlanPoints(plan.route, MakeGarminRoute(plan.route, GarminLookup::Named));
}

const PlanReadBack kGarminReadBack = {&kGarminReader, ExpectedGarminPoints, kGarminDegrees, kGarminFeet};
