// Positions compare across the date line: 180 east and 180 west are one meridian.
#include "writers/PlanReadBack.h"

#include <cmath>
#include <cstdio>

#include "writers/FormatRegistry.h"
#include "writers/MemorySink.h"

namespace {

const char* KindText(PointKind kind) {
  switch (kind) {
    case PointKind::Airport: return "airport";
    case PointKind::Vor: return "VOR";
    case PointKind::Ndb: return "NDB";
    case PointKind::Intersection: return "intersection";
    case PointKind::User: return "user point";
    case PointKind::Unknown: break;
  }
  return "point";
}

std::string Number(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6f", value);
  return text;
}

double AngleBetween(double a, double b) {
  double difference = std::fmod(std::fabs(a - b), 360.0);
  return difference > 180.0 ? 360.0 - difference : difference;
}

// How the position read differs from the one written, "" when it agrees; a
// point written by its identifier alone has no position to hold it to.
std::string PositionDifference(const PlanPoint& expected, const PlanPoint& read, double degrees) {
  if (!expected.hasPosition) return "";
  if (!read.hasPosition) return "no position read back";
  if (!(std::fabs(read.latitude - expected.latitude) <= degrees)) {
    return "latitude read back as " + Number(read.latitude) + ", written for " + Number(expected.latitude);
  }
  if (!(AngleBetween(read.longitude, expected.longitude) <= degrees)) {
    return "longitude read back as " + Number(read.longitude) + ", written for " + Number(expected.longitude);
  }
  return "";
}

// The first way `read` differs from `expected`, "" when none.
std::string PointDifference(const PlanPoint& expected, const PlanPoint& read, const PlanReadBack& rules) {
  if (read.ident != expected.ident) return "identifier read back as \"" + read.ident + "\"";
  if (expected.kind != PointKind::Unknown && read.kind != PointKind::Unknown && read.kind != expected.kind) {
    return std::string("read back as ") + KindText(read.kind) + ", written as " + KindText(expected.kind);
  }
  std::string position = PositionDifference(expected, read, rules.degrees);
  if (!position.empty()) return position;
  bool altitudes = rules.feet >= 0 && expected.hasAltitude;
  if (altitudes && !read.hasAltitude) return "no altitude read back";
  if (altitudes && !(std::fabs(read.altitudeFeet - expected.altitudeFeet) <= rules.feet)) {
    return "altitude read back as " + Number(read.altitudeFeet) + " ft, written for " + Number(expected.altitudeFeet);
  }
  return "";
}

// The first byte at which `written` differs from what the writer writes in memory.
std::string FirstByteDifference(const ExportType& type, const PlanInput& plan, std::string_view written) {
  MemorySink sink;
  PlanStream stream(sink);
  type.writer(plan, stream);
  std::size_t at = 0;
  while (at < written.size() && at < sink.bytes.size() && written[at] == sink.bytes[at]) ++at;
  if (at == written.size() && at == sink.bytes.size()) return "";
  return "byte " + std::to_string(at) + " differs from the plan written";
}

}  // namespace

std::string FirstPointDifference(const PlanPoints& expected, const PlanPoints& read, const PlanReadBack& rules) {
  if (read.points.size() != expected.points.size()) {
    return std::to_string(read.points.size()) + " points read back, " + std::to_string(expected.points.size()) +
           " written";
  }
  for (std::size_t i = 0; i < expected.points.size(); ++i) {
    std::string difference = PointDifference(expected.points[i], read.points[i], rules);
    if (!difference.empty()) {
      return "point " + std::to_string(i + 1) + " (" + expected.points[i].ident + "): " + difference;
    }
  }
  return "";
}

std::string FirstWrittenDifference(const ExportType& type, const PlanInput& plan, std::string_view written) {
  const PlanReadBack* rules = type.readBack;
  if (rules == nullptr || rules->reader == nullptr || rules->expect == nullptr) {
    return FirstByteDifference(type, plan, written);
  }
  PlanPoints read;
  std::string problem;
  if (!rules->reader->read(written, read, problem)) return "it does not read back: " + problem;
  return FirstPointDifference(rules->expect(plan), read, *rules);
}
