// Writer of the KML 2.2 document: the route as a line and a placemark per point.
// Element order follows the OGC KML 2.2 schema, which readers validate against.
#include "writers/KmlWriter.h"

#include <cstdio>
#include <string>

#include "route/KmlReader.h"
#include "writers/NamedPointWriter.h"
#include "writers/PlanNumbers.h"
#include "writers/PlanText.h"
#include "writers/WaypointKind.h"
#include "writers/XmlWriter.h"

namespace {

constexpr const char* kNamespace = "http://www.opengis.net/kml/2.2";
constexpr const char* kAltitudeMode = "absolute";
constexpr double kMetresPerFoot = 0.3048;
// Opaque red (aabbggrr), wide enough to see over terrain.
constexpr const char* kLineColour = "ff0000ff";
constexpr const char* kLineWidth = "3";
// How closely the file keeps what it was written for: the positions' sixth
// decimal, the altitudes' centimetre (in feet, a little more).
constexpr double kKmlDegrees = 1e-6;
constexpr double kKmlFeet = 0.02;

const char* KindWord(WaypointKind kind) {
  switch (kind) {
    case WaypointKind::Airport: return "airport";
    case WaypointKind::Vor: return "VOR";
    case WaypointKind::Ndb: return "NDB";
    case WaypointKind::Intersection: return "intersection";
    case WaypointKind::Position: break;
  }
  return "position";
}

// "8.548000,47.458000,431.60"
std::string Coordinates(const WaypointRow& row) {
  char text[512];
  std::snprintf(text, sizeof text, "%.6f,%.6f,%.2f", WithinLongitudeRange(row.longitude, 6),
                WithoutNegativeZero(row.latitude, 6), WithoutNegativeZero(row.altitude * kMetresPerFoot, 2));
  return text;
}

// "Zurich, airport, 1416 ft"; without the name when the row has none, or when
// it only repeats the identifier (the source names no navaid).
std::string Description(const WaypointRow& row) {
  std::string name = Utf8FromAnsi(PlaceName(row).c_str());
  if (name == Utf8FromAnsi(row.ident)) name.clear();
  char rest[512];
  std::snprintf(rest, sizeof rest, "%s, %.0f ft", KindWord(WaypointKindOf(row.type)),
                WithoutNegativeZero(row.altitude, 0));
  return name.empty() ? rest : name + ", " + rest;
}

void WriteStyle(XmlWriter& xml) {
  xml.Open("Style", {{"id", "route"}});
  xml.Open("LineStyle");
  xml.Element("color", kLineColour);
  xml.Element("width", kLineWidth);
  xml.Close();
  xml.Close();
}

void WriteLine(XmlWriter& xml, const RouteTable& route, const std::string& title) {
  std::string coordinates;
  for (uint32_t i = 0; i < route.waypointCount; ++i) {
    if (i > 0) coordinates += ' ';
    coordinates += Coordinates(route.rows[i]);
  }
  xml.Open("Placemark");
  xml.Element("name", title);
  xml.Element("styleUrl", "#route");
  xml.Open("LineString");
  xml.Element("altitudeMode", kAltitudeMode);
  xml.Element("coordinates", coordinates);
  xml.Close();
  xml.Close();
}

void WritePoint(XmlWriter& xml, const WaypointRow& row, uint32_t index) {
  xml.Open("Placemark");
  xml.Element("name", PointLabel(row, static_cast<int>(index) + 1));
  xml.Element("description", Description(row));
  xml.Open("Point");
  xml.Element("altitudeMode", kAltitudeMode);
  xml.Element("coordinates", Coordinates(row));
  xml.Close();
  xml.Close();
}

}  // namespace

void WriteKmlPlan(const PlanInput& plan, PlanStream& out) {
  const RouteTable& route = plan.route;
  std::string title = PointLabel(DepartureRow(route), 1) + " to " +
                      PointLabel(DestinationRow(route), static_cast<int>(route.waypointCount));
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("kml", {{"xmlns", kNamespace}});
  xml.Open("Document");
  xml.Element("name", title);
  WriteStyle(xml);
  WriteLine(xml, route, title);
  for (uint32_t i = 0; i < route.waypointCount; ++i) WritePoint(xml, route.rows[i], i);
  xml.Close();
  xml.Close();
}

PlanPoints ExpectedKmlPoints(const PlanInput& plan) {
  PlanPoints expected;
  for (uint32_t i = 0; i < plan.route.waypointCount; ++i) {
    const WaypointRow& row = plan.route.rows[i];
    expected.points.push_back({PointLabel(row, static_cast<int>(i) + 1), PointKind::Unknown, row.latitude,
                               row.longitude, true, row.altitude, ""});
  }
  return expected;
}

const PlanReadBack kKmlReadBack = {&kKmlReader, ExpectedKmlPoints, kKmlDegrees, kKmlFeet};
