// Writer of the FlightGear route manager plan (.fgfp), a PropertyList XML file.
// Every property carries its type attribute, as FlightGear writes them.
#include "writers/FgfpWriter.h"

#include <cstdio>
#include <string>

#include "route/FgfpReader.h"
#include "writers/NamedPointWriter.h"
#include "writers/PlanNumbers.h"
#include "writers/XmlWriter.h"

namespace {

constexpr int kVersion = 2;
// How closely the file keeps what it was written for: the positions' sixth
// decimal, the altitudes' hundredth of a foot.
constexpr double kFgfpDegrees = 1e-6;
constexpr double kFgfpFeet = 0.01;

// A row FlightGear finds by its identifier; any other is a position.
bool IsNamed(const WaypointRow& row) { return LookupKind(row) != WaypointKind::Position; }

// The ident a row is written with: its own when FlightGear finds it by that, else its label.
std::string WrittenIdent(const WaypointRow& row, uint32_t index) {
  return IsNamed(row) ? std::string(row.ident) : PointLabel(row, static_cast<int>(index) + 1);
}

void Text(XmlWriter& xml, const char* name, const std::string& value) {
  xml.Element(name, value, {{"type", "string"}});
}

void Double(XmlWriter& xml, const char* name, const char* format, double value) {
  char text[512];
  std::snprintf(text, sizeof text, format, value);
  xml.Element(name, text, {{"type", "double"}});
}

// <departure> or <destination> naming the airport at that end, when there is one.
void WriteEnd(XmlWriter& xml, const char* element, const WaypointRow& row) {
  if (LookupKind(row) != WaypointKind::Airport) return;
  xml.Open(element);
  Text(xml, "airport", row.ident);
  xml.Close();
}

void WritePoint(XmlWriter& xml, const WaypointRow& row, uint32_t index) {
  xml.Open("wp", {{"n", std::to_string(index)}});
  Text(xml, "type", IsNamed(row) ? "navaid" : "basic");
  Text(xml, "ident", WrittenIdent(row, index));
  Double(xml, "lat", "%.6f", WithoutNegativeZero(row.latitude, 6));
  Double(xml, "lon", "%.6f", WithinLongitudeRange(row.longitude, 6));
  Text(xml, "alt-restrict", "at");
  Double(xml, "altitude-ft", "%.2f", WithoutNegativeZero(row.altitude, 2));
  xml.Close();
}

}  // namespace

void WriteFgfpPlan(const PlanInput& plan, PlanStream& out) {
  const RouteTable& route = plan.route;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("PropertyList");
  xml.Element("version", std::to_string(kVersion), {{"type", "int"}});
  WriteEnd(xml, "departure", DepartureRow(route));
  WriteEnd(xml, "destination", DestinationRow(route));
  xml.Open("route");
  for (uint32_t i = 0; i < route.waypointCount; ++i) WritePoint(xml, route.rows[i], i);
  xml.Close();
  xml.Close();
}

PlanPoints ExpectedFgfpPoints(const PlanInput& plan) {
  const RouteTable& route = plan.route;
  PlanPoints expected;
  for (uint32_t i = 0; i < route.waypointCount; ++i) {
    const WaypointRow& row = route.rows[i];
    bool end = i == 0 || i + 1 == route.waypointCount;
    PointKind kind = end && LookupKind(row) == WaypointKind::Airport ? PointKind::Airport
                     : IsNamed(row)                                  ? PointKind::Unknown
                                                                     : PointKind::User;
    expected.points.push_back({WrittenIdent(row, i), kind, row.latitude, row.longitude, true, row.altitude, ""});
  }
  return expected;
}

const PlanReadBack kFgfpReadBack = {&kFgfpReader, ExpectedFgfpPoints, kFgfpDegrees, kFgfpFeet};
