// Reader of FlightGear route manager plans (.fgfp, version 2): a PropertyList
// whose route holds one wp per point, with its ident, lat, lon and altitude-ft.
#include "route/FgfpReader.h"

#include <vector>

#include "route/XmlPlanReading.h"

namespace {

// A PropertyList is FlightGear's format for many files; a plan is one with a route.
bool Recognizes(std::string_view bytes) {
  return HasXmlRoot(bytes, "PropertyList") && bytes.find("<route") != std::string_view::npos;
}

// "navaid" points FlightGear finds by ident near the position, "basic" ones are
// positions alone; the ends are airports when the plan names them so.
PointKind KindOf(const XmlElement& wp, std::string_view endAirport) {
  std::string ident = wp.ChildText("ident");
  if (!endAirport.empty() && ident == endAirport) return PointKind::Airport;
  return KindNamed(wp.ChildText("type"), {{"basic", PointKind::User}});
}

bool ReadPoint(const XmlElement& wp, std::size_t number, std::string_view endAirport, PlanPointGatherer& points) {
  PlanPoint point{wp.ChildText("ident"), KindOf(wp, endAirport), 0.0, 0.0, false, 0.0, ""};
  std::string place = PointPlace(wp, "wp", number, point.ident);
  const XmlElement* latitude = wp.Child("lat");
  const XmlElement* longitude = wp.Child("lon");
  if (latitude == nullptr && longitude == nullptr) return points.AddNamedOnly(point.ident, point.kind, wp, place);
  if (!points.ReadLatitude(latitude != nullptr ? latitude->text : "", place, point.latitude)) return false;
  if (!points.ReadLongitude(longitude != nullptr ? longitude->text : "", place, point.longitude)) return false;
  if (const XmlElement* altitude = wp.Child("altitude-ft")) {
    if (!points.ReadNumber(altitude->text, place, "altitude", point.altitudeFeet)) return false;
    point.hasAltitude = true;
  }
  return points.Add(point, place);
}

// The airport <departure> or <destination> names; "" for none.
std::string EndAirport(const XmlElement& root, const char* end) {
  const XmlElement* element = root.Child(end);
  return element != nullptr ? element->ChildText("airport") : "";
}

std::string EndRunway(const XmlElement& root, const char* end) {
  const XmlElement* element = root.Child(end);
  return element != nullptr ? element->ChildText("runway") : "";
}

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  XmlElement root;
  if (!ReadXmlPlan(bytes, "PropertyList", root, problem)) return false;
  const XmlElement* route = root.Child("route");
  if (route == nullptr) {
    problem = "line " + std::to_string(root.line) + ": it holds no <route>";
    return false;
  }
  std::vector<const XmlElement*> wps = route->Children("wp");
  std::string departure = EndAirport(root, "departure");
  std::string destination = EndAirport(root, "destination");
  PlanPointGatherer points(plan, problem);
  for (std::size_t i = 0; i < wps.size(); ++i) {
    std::string_view endAirport;  // the airport the plan names at this end, if it is one
    if (i == 0) endAirport = departure;
    if (i + 1 == wps.size() && i > 0) endAirport = destination;
    if (!ReadPoint(*wps[i], i + 1, endAirport, points)) return false;
  }
  plan.departureRunway = EndRunway(root, "departure");
  plan.destinationRunway = EndRunway(root, "destination");
  return points.Finish("its route holds no wp");
}

}  // namespace

const PlanReader kFgfpReader = {"fgfp", "a FlightGear route (.fgfp)", Recognizes, Read, true};
