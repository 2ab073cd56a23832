// Writer of the FlightGear route manager plan (.fgfp), a PropertyList XML file.
// Every property carries its type attribute, as FlightGear writes them.
#include "writers/FgfpWriter.h"

#include <cstdio>
#include <string>

#include "writers/NamedPointWriter.h"
#include "writers/PlanNumbers.h"
#include "writers/XmlWriter.h"

namespace {

constexpr int kVersion = 2;

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
  bool named = LookupKind(row) != WaypointKind::Position;
  xml.Open("wp", {{"n", std::to_string(index)}});
  Text(xml, "type", named ? "navaid" : "basic");
  Text(xml, "ident", named ? std::string(row.ident) : PointLabel(row, static_cast<int>(index) + 1));
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

const PlanReadBack kFgfpReadBack = {};
