// Reader of Garmin FlightPlan v1 plans (.fpl): a waypoint table and one route
// whose points name their table entry by identifier, type and country code.
#include "route/GarminReader.h"

#include <map>
#include <vector>

#include "route/XmlPlanReading.h"

namespace {

constexpr double kMetresPerFoot = 0.3048;

bool Recognizes(std::string_view bytes) { return HasXmlRoot(bytes, "flight-plan"); }

PointKind KindOf(std::string_view type) {
  return KindNamed(type, {{"AIRPORT", PointKind::Airport},
                          {"VOR", PointKind::Vor},
                          {"NDB", PointKind::Ndb},
                          {"INT", PointKind::Intersection},
                          {"INT-VRP", PointKind::Intersection},
                          {"USER WAYPOINT", PointKind::User}});
}

// What names a table entry, and a route point's entry.
struct WaypointKey {
  std::string identifier;
  std::string type;
  std::string countryCode;

  // By std::tie: not every standard library compares strings with <=> yet.
  bool operator<(const WaypointKey& other) const {
    return std::tie(identifier, type, countryCode) < std::tie(other.identifier, other.type, other.countryCode);
  }
};

struct TableEntry {
  WaypointKey key;
  PlanPoint point;
};

using WaypointTable = std::map<WaypointKey, PlanPoint>;

// One waypoint of the table: its position is required, its elevation (metres) not.
bool ReadEntry(const XmlElement& waypoint, std::size_t number, PlanPointGatherer& points, TableEntry& entry) {
  entry.key = {waypoint.ChildText("identifier"), waypoint.ChildText("type"), waypoint.ChildText("country-code")};
  entry.point = PlanPoint{entry.key.identifier, KindOf(entry.key.type), 0.0, 0.0, false, 0.0, ""};
  std::string place = PointPlace(waypoint, "waypoint", number, entry.key.identifier);
  if (!points.ReadLatitude(waypoint.ChildText("lat"), place, entry.point.latitude)) return false;
  if (!points.ReadLongitude(waypoint.ChildText("lon"), place, entry.point.longitude)) return false;
  if (const XmlElement* elevation = waypoint.Child("elevation")) {
    double metres = 0.0;
    if (!points.ReadNumber(elevation->text, place, "elevation", metres)) return false;
    entry.point.hasAltitude = true;
    entry.point.altitudeFeet = metres / kMetresPerFoot;
  }
  return true;
}

// The table; an entry whose key an earlier one has already is refused, as the
// schema refuses it: which of the two a route point means is not for us to guess.
bool ReadTable(const XmlElement& root, PlanPointGatherer& points, WaypointTable& table) {
  const XmlElement* element = root.Child("waypoint-table");
  std::vector<const XmlElement*> waypoints;
  if (element != nullptr) waypoints = element->Children("waypoint");
  for (std::size_t i = 0; i < waypoints.size(); ++i) {
    TableEntry entry;
    if (!ReadEntry(*waypoints[i], i + 1, points, entry)) return false;
    if (!table.emplace(entry.key, entry.point).second) {
      return points.Fail(PointPlace(*waypoints[i], "waypoint", i + 1, entry.key.identifier),
                         "the table holds this identifier, type and country code twice");
    }
  }
  return true;
}

// The route's points, each its table entry; a point without one is named by its
// identifier alone, which only a unit's database could place.
bool ReadRoute(const XmlElement& route, const WaypointTable& table, PlanPointGatherer& points) {
  std::vector<const XmlElement*> routePoints = route.Children("route-point");
  for (std::size_t i = 0; i < routePoints.size(); ++i) {
    const XmlElement& element = *routePoints[i];
    WaypointKey key{element.ChildText("waypoint-identifier"), element.ChildText("waypoint-type"),
                    element.ChildText("waypoint-country-code")};
    std::string place = PointPlace(element, "route-point", i + 1, key.identifier);
    auto found = table.find(key);
    bool added = found != table.end() ? points.Add(found->second, place)
                                      : points.AddNamedOnly(key.identifier, KindOf(key.type), element, place);
    if (!added) {
      return false;
    }
  }
  return true;
}

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  XmlElement root;
  if (!ReadXmlPlan(bytes, "flight-plan", root, problem)) return false;
  const XmlElement* route = root.Child("route");
  if (route == nullptr) {
    problem = "line " + std::to_string(root.line) + ": it holds no <route>";
    return false;
  }
  PlanPointGatherer points(plan, problem);
  WaypointTable table;
  return ReadTable(root, points, table) && ReadRoute(*route, table, points) &&
         points.Finish("its route holds no route-point");
}

}  // namespace

const PlanReader kGarminReader = {"garmin", "a Garmin plan (.fpl)", Recognizes, Read, true};
