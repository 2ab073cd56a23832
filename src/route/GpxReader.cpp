// Reader of GPX 1.0 and 1.1 files: the file's route; without one, its one track;
// without either, its waypoints in the order the file lists them.
#include "route/GpxReader.h"

#include <vector>

#include "route/XmlPlanReading.h"

namespace {

constexpr double kMetresPerFoot = 0.3048;

bool Recognizes(std::string_view bytes) { return HasXmlRoot(bytes, "gpx"); }

// The kinds GPX files name in <type>: ours, and the plain words of other programs.
PointKind KindOf(std::string_view type) {
  return KindNamed(type, {{"Airport", PointKind::Airport},
                          {"VOR", PointKind::Vor},
                          {"NDB", PointKind::Ndb},
                          {"Intersection", PointKind::Intersection},
                          {"Position", PointKind::User},
                          {"User", PointKind::User}});
}

// A rtept, trkpt or wpt: lat and lon are required, the elevation is in metres.
bool ReadPoint(const XmlElement& element, std::size_t number, PlanPointGatherer& points) {
  std::string ident = element.ChildText("name");
  std::string place = PointPlace(element, element.name, number, ident);
  PlanPoint point{ident, KindOf(element.ChildText("type")), 0.0, 0.0, false, 0.0, ""};
  const std::string* latitude = element.Attribute("lat");
  const std::string* longitude = element.Attribute("lon");
  if (!points.ReadLatitude(latitude != nullptr ? *latitude : "", place, point.latitude)) return false;
  if (!points.ReadLongitude(longitude != nullptr ? *longitude : "", place, point.longitude)) return false;
  if (const XmlElement* elevation = element.Child("ele")) {
    double metres = 0.0;
    if (!points.ReadNumber(elevation->text, place, "elevation", metres)) return false;
    point.hasAltitude = true;
    point.altitudeFeet = metres / kMetresPerFoot;
  }
  return points.Add(point, place);
}

std::string TooMany(const XmlElement& second, std::size_t count, const char* what) {
  return "line " + std::to_string(second.line) + ": it holds " + std::to_string(count) + " " + what +
         "; PlanTransit reads a file of one";
}

// The elements whose points the plan is: the route's, the track's (all its
// segments), or the waypoints. A file of several routes, or of several tracks
// and no route, is refused: which of them is the plan is not for us to guess.
bool PointElements(const XmlElement& root, std::vector<const XmlElement*>& elements, std::string& problem) {
  std::vector<const XmlElement*> routes = root.Children("rte");
  std::vector<const XmlElement*> tracks = root.Children("trk");
  if (routes.size() > 1) {
    problem = TooMany(*routes[1], routes.size(), "routes (rte)");
    return false;
  }
  if (routes.size() == 1) {
    elements = routes[0]->Children("rtept");
    return true;
  }
  if (tracks.size() > 1) {
    problem = TooMany(*tracks[1], tracks.size(), "tracks (trk) and no route");
    return false;
  }
  if (tracks.size() == 1) {
    for (const XmlElement* segment : tracks[0]->Children("trkseg")) {
      for (const XmlElement* point : segment->Children("trkpt")) elements.push_back(point);
    }
    return true;
  }
  elements = root.Children("wpt");
  return true;
}

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  XmlElement root;
  std::vector<const XmlElement*> elements;
  if (!ReadXmlPlan(bytes, "gpx", root, problem) || !PointElements(root, elements, problem)) return false;
  PlanPointGatherer points(plan, problem);
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (!ReadPoint(*elements[i], i + 1, points)) return false;
  }
  return points.Finish("it holds no route, track or waypoint with points");
}

}  // namespace

const PlanReader kGpxReader = {"gpx", "a GPX file (.gpx)", Recognizes, Read, true};
