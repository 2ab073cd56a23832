// Reader of SimBrief briefings (OFP) saved as XML: the origin, the fixes of the
// navigation log and the destination, each with its ident, type and pos_lat /
// pos_long. The top of climb and of descent are points of the flight profile,
// not of the route, and are left out.
#include "route/SimBriefReader.h"

#include <vector>

#include "route/XmlPlanReading.h"

namespace {

bool Recognizes(std::string_view bytes) { return HasXmlRoot(bytes, "OFP"); }

PointKind KindOf(std::string_view type) {
  return KindNamed(type, {{"apt", PointKind::Airport},
                          {"vor", PointKind::Vor},
                          {"ndb", PointKind::Ndb},
                          {"wpt", PointKind::Intersection},
                          {"ltlg", PointKind::User}});
}

bool IsProfilePoint(const XmlElement& fix) {
  std::string ident = fix.ChildText("ident");
  return KindOf(fix.ChildText("type")) == PointKind::User && (ident == "TOC" || ident == "TOD");
}

// A point of the briefing: an airport (<origin>, <destination>) or a navlog <fix>.
bool ReadPoint(const XmlElement& element, PointKind kind, const char* identField, const char* altitudeField,
               const std::string& place, PlanPointGatherer& points) {
  PlanPoint point{element.ChildText(identField), kind, 0.0, 0.0, false, 0.0, element.ChildText("name")};
  if (element.Child("pos_lat") == nullptr && element.Child("pos_long") == nullptr) {
    return points.AddNamedOnly(point.ident, kind, element, place);
  }
  if (!points.ReadLatitude(element.ChildText("pos_lat"), place, point.latitude)) return false;
  if (!points.ReadLongitude(element.ChildText("pos_long"), place, point.longitude)) return false;
  if (element.Child(altitudeField) != nullptr) {
    if (!points.ReadNumber(element.ChildText(altitudeField), place, altitudeField, point.altitudeFeet)) return false;
    point.hasAltitude = true;
  }
  return points.Add(point, place);
}

bool ReadAirport(const XmlElement& root, const char* end, PlanPointGatherer& points) {
  const XmlElement* airport = root.Child(end);
  if (airport == nullptr) {
    return points.Fail("line " + std::to_string(root.line), std::string("it holds no <") + end + ">");
  }
  std::string place = "line " + std::to_string(airport->line) + ", " + end;
  return ReadPoint(*airport, PointKind::Airport, "icao_code", "elevation", place, points);
}

// The fix is the airport `end` names (the navlog may list the airports at its ends).
bool IsAirport(const XmlElement& fix, const XmlElement* end) {
  return end != nullptr && KindOf(fix.ChildText("type")) == PointKind::Airport &&
         fix.ChildText("ident") == end->ChildText("icao_code");
}

// The navlog's fixes; one that repeats an airport at its end is that airport.
bool ReadFixes(const XmlElement& root, PlanPointGatherer& points) {
  const XmlElement* navlog = root.Child("navlog");
  std::vector<const XmlElement*> fixes;
  if (navlog != nullptr) fixes = navlog->Children("fix");
  const XmlElement* origin = root.Child("origin");
  const XmlElement* destination = root.Child("destination");
  for (std::size_t i = 0; i < fixes.size(); ++i) {
    const XmlElement& fix = *fixes[i];
    if (IsProfilePoint(fix)) continue;
    if ((i == 0 && IsAirport(fix, origin)) || (i + 1 == fixes.size() && IsAirport(fix, destination))) continue;
    std::string place = PointPlace(fix, "fix", i + 1, fix.ChildText("ident"));
    if (!ReadPoint(fix, KindOf(fix.ChildText("type")), "ident", "altitude_feet", place, points)) return false;
  }
  return true;
}

std::string PlannedRunway(const XmlElement& root, const char* end) {
  const XmlElement* airport = root.Child(end);
  return airport != nullptr ? airport->ChildText("plan_rwy") : "";
}

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  XmlElement root;
  if (!ReadXmlPlan(bytes, "OFP", root, problem)) return false;
  PlanPointGatherer points(plan, problem);
  if (!ReadAirport(root, "origin", points) || !ReadFixes(root, points) || !ReadAirport(root, "destination", points)) {
    return false;
  }
  plan.departureRunway = PlannedRunway(root, "origin");
  plan.destinationRunway = PlannedRunway(root, "destination");
  return points.Finish("it holds no points");
}

}  // namespace

const PlanReader kSimBriefReader = {"simbrief", "a SimBrief OFP (.xml)", Recognizes, Read, true};
