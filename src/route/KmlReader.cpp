// Reader of KML 2.2 files: the path of the file's one line (LineString), each of
// its points named by the Point placemark at its place; without a line, the Point
// placemarks in the file's order. Altitudes are read only where the geometry says
// they are above sea level (altitudeMode absolute): otherwise KML ignores them.
#include "route/KmlReader.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "route/PointFields.h"
#include "route/XmlPlanReading.h"

namespace {

constexpr double kMetresPerFoot = 0.3048;
constexpr double kPlaceUnitsPerDegree = 1e6;

bool Recognizes(std::string_view bytes) { return HasXmlRoot(bytes, "kml"); }

bool IsCoordinateSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

struct KmlShapes {
  std::vector<const XmlElement*> lines;                                     // LineString elements
  std::vector<std::pair<const XmlElement*, const XmlElement*>> placemarks;  // a Placemark and its Point
};

// The lines and point placemarks under `element`, in document order; the
// parser's depth limit bounds the recursion.
void CollectShapes(const XmlElement& element, KmlShapes& shapes) {
  for (const XmlElement& child : element.children) {
    if (child.name == "LineString") shapes.lines.push_back(&child);
    if (child.name == "Placemark" && child.Child("Point") != nullptr) {
      shapes.placemarks.emplace_back(&child, child.Child("Point"));
    }
    CollectShapes(child, shapes);
  }
}

// One "lon,lat[,alt]" of a geometry's coordinates into `point`; the altitude (in
// metres) counts only for a geometry whose altitudeMode is absolute.
bool ReadTuple(std::string_view tuple, bool absolute, const std::string& place, PlanPointGatherer& points,
               PlanPoint& point) {
  std::vector<std::string_view> parts = CommaFields(tuple, 3);
  if (parts.size() < 2 || parts.size() > 3) {
    return points.Fail(place, "the coordinates " + Quoted(tuple) + " are no lon,lat[,alt]");
  }
  if (!points.ReadLongitude(parts[0], place, point.longitude) ||
      !points.ReadLatitude(parts[1], place, point.latitude)) {
    return false;
  }
  double metres = 0.0;
  if (parts.size() == 3 && !points.ReadNumber(parts[2], place, "altitude", metres)) return false;
  point.hasAltitude = absolute && parts.size() == 3;
  point.altitudeFeet = point.hasAltitude ? metres / kMetresPerFoot : 0.0;
  return true;
}

// Calls `take` with each tuple of the geometry's coordinates, in order, until it
// gives false.
template <typename Take>
bool ForEachTuple(const XmlElement& geometry, Take take) {
  const XmlElement* coordinates = geometry.Child("coordinates");
  std::string_view text = coordinates != nullptr ? std::string_view(coordinates->text) : std::string_view();
  std::size_t number = 0;
  for (std::size_t at = 0; at < text.size();) {
    while (at < text.size() && IsCoordinateSpace(text[at])) ++at;
    std::size_t end = at;
    while (end < text.size() && !IsCoordinateSpace(text[end])) ++end;
    if (end > at && !take(text.substr(at, end - at), ++number)) return false;
    at = end;
  }
  return true;
}

bool IsAbsolute(const XmlElement& geometry) { return geometry.ChildText("altitudeMode") == "absolute"; }

// The point placemarks, each its name at its place.
bool ReadPlacemarks(const KmlShapes& shapes, PlanPointGatherer& gatherer, std::vector<PlanPoint>& named) {
  for (std::size_t i = 0; i < shapes.placemarks.size(); ++i) {
    const XmlElement& placemark = *shapes.placemarks[i].first;
    const XmlElement& geometry = *shapes.placemarks[i].second;
    PlanPoint point{placemark.ChildText("name"), PointKind::Unknown, 0.0, 0.0, false, 0.0, ""};
    std::string place = PointPlace(placemark, "Placemark", i + 1, point.ident);
    std::size_t tuples = 0;
    bool read = ForEachTuple(geometry, [&](std::string_view tuple, std::size_t) {
      return ++tuples == 1 && ReadTuple(tuple, IsAbsolute(geometry), place, gatherer, point);
    });
    if (tuples != 1) return gatherer.Fail(place, "its Point holds " + std::to_string(tuples) + " coordinates, not 1");
    if (!read) return false;
    named.push_back(point);
  }
  return true;
}

// Where a point is, to the sixth decimal of a degree: a placemark names a vertex
// of the line at the same place.
using Place = std::pair<long long, long long>;

Place PlaceOf(const PlanPoint& point) {
  return {std::llround(point.latitude * kPlaceUnitsPerDegree), std::llround(point.longitude * kPlaceUnitsPerDegree)};
}

// The line's points, each named after the first placemark at its place that
// comes after the one that named the point before.
bool ReadLine(const XmlElement& line, const std::vector<PlanPoint>& named, PlanPointGatherer& gatherer) {
  std::map<Place, std::vector<std::size_t>> placemarksAt;  // each place's placemarks, in order
  for (std::size_t i = 0; i < named.size(); ++i) placemarksAt[PlaceOf(named[i])].push_back(i);
  std::size_t next = 0;
  return ForEachTuple(line, [&](std::string_view tuple, std::size_t number) {
    PlanPoint point{"", PointKind::Unknown, 0.0, 0.0, false, 0.0, ""};
    std::string place = PointPlace(line, "LineString point", number, "");
    if (!ReadTuple(tuple, IsAbsolute(line), place, gatherer, point)) return false;
    auto here = placemarksAt.find(PlaceOf(point));
    if (here != placemarksAt.end()) {
      auto found = std::lower_bound(here->second.begin(), here->second.end(), next);
      if (found != here->second.end()) {
        point.ident = named[*found].ident;
        next = *found + 1;
      }
    }
    return gatherer.Add(point, place);
  });
}

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  XmlElement root;
  if (!ReadXmlPlan(bytes, "kml", root, problem)) return false;
  KmlShapes shapes;
  CollectShapes(root, shapes);
  if (shapes.lines.size() > 1) {
    problem = "line " + std::to_string(shapes.lines[1]->line) + ": it holds " + std::to_string(shapes.lines.size()) +
              " lines (LineString); PlanTransit reads a file of one";
    return false;
  }
  PlanPointGatherer gatherer(plan, problem);
  std::vector<PlanPoint> named;
  if (!ReadPlacemarks(shapes, gatherer, named)) return false;
  if (shapes.lines.empty()) {
    for (std::size_t i = 0; i < named.size(); ++i) {
      if (!gatherer.Add(named[i], PointPlace(*shapes.placemarks[i].first, "Placemark", i + 1, named[i].ident))) {
        return false;
      }
    }
  } else if (!ReadLine(*shapes.lines.front(), named, gatherer)) {
    return false;
  }
  return gatherer.Finish("it holds no line (LineString) and no Point placemark");
}

}  // namespace

const PlanReader kKmlReader = {"kml", "a KML file (.kml)", Recognizes, Read, true};
