// Reader of SquawkBox plans: a line "departure:destination:distance", then one
// line per waypoint between the airports, "type:ident:lat:lon:value:altitude:
// next altitude:heading". The airports have no position in the file, so it is
// never the source of a route: its points are the waypoints between them.
#include "route/SquawkBoxReader.h"

#include <array>

#include "route/PointFields.h"
#include "route/ReadNumber.h"
#include "route/TextEncoding.h"
#include "route/TextLines.h"

namespace {

constexpr std::size_t kRouteFields = 3;
constexpr std::size_t kWaypointFields = 8;

using Fields = std::array<std::string_view, kWaypointFields + 1>;

bool IsRouteLine(std::string_view line) {
  Fields fields;
  int64_t distance = 0;
  return SplitAt(line, ':', fields) == kRouteFields && !fields[0].empty() && !fields[1].empty() &&
         ReadWholeNumber(fields[2], distance);
}

bool Recognizes(std::string_view bytes) {
  LineCursor lines(bytes);
  std::string_view line;
  return lines.Next(line) && IsRouteLine(line);
}

bool ReadWaypoint(std::string_view line, PlanPoint& point, std::string& problem) {
  Fields fields;
  std::size_t count = SplitAt(line, ':', fields);
  if (count != kWaypointFields) {
    problem = "the waypoint line has " + std::to_string(count) + " fields, not " + std::to_string(kWaypointFields);
    return false;
  }
  if (fields[0].size() != 1) {
    problem = "the type " + Quoted(fields[0]) + " is not one letter";
    return false;
  }
  point = PlanPoint{Utf8FromWindows1252(fields[1]), KindOfTypeLetter(fields[0][0]), 0.0, 0.0, true, 0.0, ""};
  double ignored = 0;
  return ReadLatitudeField(fields[2], point.latitude, problem) &&
         ReadLongitudeField(fields[3], point.longitude, problem) &&
         ReadNumberField(fields[4], "value", ignored, problem) &&
         ReadNumberField(fields[5], "altitude", point.altitudeFeet, problem) &&
         ReadNumberField(fields[6], "next altitude", ignored, problem) &&
         ReadNumberField(fields[7], "heading", ignored, problem);
}

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  LineCursor lines(bytes);
  std::string_view line;
  if (!lines.Next(line) || !IsRouteLine(line)) {
    problem = "the plan does not open with departure:destination:distance";
    return false;
  }
  while (lines.NextNonBlank(line)) {
    PlanPoint point;
    if (!ReadWaypoint(line, point, problem) || !AddPoint(plan, std::move(point), problem)) {
      problem = AtLine(lines.Number()) + problem;
      return false;
    }
  }
  return true;
}

}  // namespace

const PlanReader kSquawkBoxReader = {"sqb", "a SquawkBox plan (.sbp)", Recognizes, Read, false};
