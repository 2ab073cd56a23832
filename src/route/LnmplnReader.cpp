// Reader of Little Navmap plans (.lnmpln): the Waypoints of the Flightplan, each
// with its Ident, Type and Pos (Lon, Lat and Alt in feet attributes).
#include "route/LnmplnReader.h"

#include <vector>

#include "route/XmlPlanReading.h"

namespace {

// Little Navmap keeps its aircraft performance files under the same root.
bool Recognizes(std::string_view bytes) {
  return HasXmlRoot(bytes, "LittleNavmap") && bytes.find("<Flightplan") != std::string_view::npos;
}

PointKind KindOf(std::string_view type) {
  return KindNamed(type, {{"AIRPORT", PointKind::Airport},
                          {"VOR", PointKind::Vor},
                          {"NDB", PointKind::Ndb},
                          {"WAYPOINT", PointKind::Intersection},
                          {"USER", PointKind::User}});
}

const std::string& AttributeOrEmpty(const XmlElement& element, const char* name) {
  static const std::string kEmpty;
  const std::string* value = element.Attribute(name);
  return value != nullptr ? *value : kEmpty;
}

bool ReadWaypoint(const XmlElement& waypoint, std::size_t number, PlanPointGatherer& points) {
  PlanPoint point{waypoint.ChildText("Ident"), KindOf(waypoint.ChildText("Type")), 0.0, 0.0, false, 0.0,
                  waypoint.ChildText("Name")};
  std::string place = PointPlace(waypoint, "Waypoint", number, point.ident);
  const XmlElement* position = waypoint.Child("Pos");
  if (position == nullptr) return points.AddNamedOnly(point.ident, point.kind, waypoint, place);
  if (!points.ReadLatitude(AttributeOrEmpty(*position, "Lat"), place, point.latitude)) return false;
  if (!points.ReadLongitude(AttributeOrEmpty(*position, "Lon"), place, point.longitude)) return false;
  if (position->Attribute("Alt") != nullptr) {
    if (!points.ReadNumber(*position->Attribute("Alt"), place, "altitude", point.altitudeFeet)) return false;
    point.hasAltitude = true;
  }
  return points.Add(point, place);
}

// The runway of a procedure (SID, STAR or Approach) the plan names; "" for none.
std::string ProcedureRunway(const XmlElement* procedures, const char* procedure) {
  const XmlElement* element = procedures != nullptr ? procedures->Child(procedure) : nullptr;
  return element != nullptr ? element->ChildText("Runway") : "";
}

void ReadRunways(const XmlElement& flightplan, PlanPoints& plan) {
  const XmlElement* procedures = flightplan.Child("Procedures");
  plan.departureRunway = ProcedureRunway(procedures, "SID");
  plan.destinationRunway = ProcedureRunway(procedures, "Approach");
  if (plan.destinationRunway.empty()) plan.destinationRunway = ProcedureRunway(procedures, "STAR");
}

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  XmlElement root;
  if (!ReadXmlPlan(bytes, "LittleNavmap", root, problem)) return false;
  const XmlElement* flightplan = root.Child("Flightplan");
  if (flightplan == nullptr) {
    problem = "line " + std::to_string(root.line) + ": it holds no <Flightplan>";
    return false;
  }
  std::vector<const XmlElement*> waypoints;
  if (const XmlElement* list = flightplan->Child("Waypoints")) waypoints = list->Children("Waypoint");
  PlanPointGatherer points(plan, problem);
  for (std::size_t i = 0; i < waypoints.size(); ++i) {
    if (!ReadWaypoint(*waypoints[i], i + 1, points)) return false;
  }
  ReadRunways(*flightplan, plan);
  return points.Finish("its Waypoints hold no Waypoint");
}

}  // namespace

const PlanReader kLnmplnReader = {"lnmpln", "a Little Navmap plan (.lnmpln)", Recognizes, Read, true};
