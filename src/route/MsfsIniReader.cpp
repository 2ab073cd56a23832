// Reader of the INI plans of Microsoft Flight Simulator 2000/2002 (and the same
// [flightplan] section FS2004 writes): the route is the "waypoint.N" lines in
// the order of N, each with its identifier, type letter, position and altitude.
#include "route/MsfsIniReader.h"

#include <array>
#include <map>

#include "route/IniLines.h"
#include "route/PointFields.h"
#include "route/ReadNumber.h"
#include "route/TextEncoding.h"

namespace {

constexpr std::string_view kSection = "flightplan";
constexpr std::string_view kWaypointKey = "waypoint.";

constexpr StarAngleForm kLatitude = {"latitude", "NS", '\'', "N47* 27.48'"};
constexpr StarAngleForm kLongitude = {"longitude", "EW", '\'', "E008* 32.88'"};

// Where the fields of a waypoint line stand: FS2000/2002 writes "ident, type,
// latitude, longitude, altitude,", FS2004 "region, ident, airway, ident, type,
// latitude, longitude, altitude,". The comma that ends the line is optional.
struct WaypointLayout {
  std::size_t fields;  // without the empty one after the last comma
  std::size_t ident;
  std::size_t type;    // latitude, longitude and altitude follow it
};

constexpr WaypointLayout kLayouts[] = {{5, 0, 1}, {8, 1, 4}};
constexpr std::size_t kMostFields = 10;

bool Recognizes(std::string_view bytes) { return EqualsIgnoringCase(FirstIniSection(bytes), kSection); }

bool IsRunwayName(std::string_view text) {
  return !text.empty() && text.size() <= 3 && text[0] >= '0' && text[0] <= '9';
}

// The fields of a waypoint line in `layout`, the empty field after a last comma
// left out. False when the line has a number of fields no layout has.
using WaypointFields = std::array<std::string_view, kMostFields>;

bool FindLayout(std::string_view value, WaypointFields& fields, const WaypointLayout*& layout, std::size_t& count) {
  count = SplitAt(value, ',', fields);
  if (count > 1 && count <= kMostFields && fields[count - 1].empty()) --count;
  for (const WaypointLayout& known : kLayouts) {
    if (known.fields == count) layout = &known;
  }
  return layout != nullptr;
}

bool ReadWaypoint(const IniEntry& entry, PlanPoint& point, std::string& problem) {
  WaypointFields fields;
  const WaypointLayout* layout = nullptr;
  std::size_t count = 0;
  if (!FindLayout(entry.value, fields, layout, count)) {
    problem = Shown(entry.key) + " has " + std::to_string(count) +
              " fields, not 5 (ident, type, latitude, longitude, altitude) or FS2004's 8";
    return false;
  }
  std::string_view type = fields[layout->type];
  point = PlanPoint{Utf8FromWindows1252(fields[layout->ident]), PointKind::Unknown, 0.0, 0.0, true, 0.0, ""};
  if (type.size() != 1) {
    problem = Shown(entry.key) + ": the type " + Quoted(type) + " is not one letter";
    return false;
  }
  point.kind = KindOfTypeLetter(type[0]);
  return ReadStarAngleField(fields[layout->type + 1], kLatitude, point.latitude, problem) &&
         ReadStarAngleField(fields[layout->type + 2], kLongitude, point.longitude, problem) &&
         ReadNumberField(fields[layout->type + 3], "altitude", point.altitudeFeet, problem);
}

struct IniPlan {
  std::map<int64_t, PlanPoint> waypoints;
  std::string destination;  // the identifier of destination_id; "" when the file has none
  bool hasDestination = false;
};

// One entry of the [flightplan] section.
bool ReadEntry(const IniEntry& entry, IniPlan& read, PlanPoints& plan, std::string& problem) {
  if (EqualsIgnoringCase(entry.key, "departure_position") && IsRunwayName(entry.value)) {
    plan.departureRunway = entry.value;
  } else if (EqualsIgnoringCase(entry.key, "destination_id")) {
    std::array<std::string_view, 1> ident;
    SplitAt(entry.value, ',', ident);
    read.destination = Utf8FromWindows1252(ident[0]);
    read.hasDestination = true;
  }
  if (!EqualsIgnoringCase(entry.key.substr(0, kWaypointKey.size()), kWaypointKey)) return true;
  int64_t number = 0;
  PlanPoint point;
  if (!ReadWholeNumber(entry.key.substr(kWaypointKey.size()), number) || number < 0) {
    problem = Quoted(entry.key) + " is no waypoint number";
  } else if (read.waypoints.count(number) != 0) {
    problem = Shown(entry.key) + " is given twice";
  } else if (read.waypoints.size() == kMaxPlanPoints) {
    problem = TooManyPointsProblem();
  } else if (ReadWaypoint(entry, point, problem)) {
    read.waypoints.emplace(number, std::move(point));
    return true;
  }
  problem = AtLine(entry.line) + problem;
  return false;
}

// The waypoints in the order of their numbers, which must run from 0 without a
// gap, and end at the destination the header names.
bool TakeWaypoints(IniPlan& read, PlanPoints& plan, std::string& problem) {
  if (read.waypoints.empty()) {
    problem = "the plan has no waypoint.0 line";
    return false;
  }
  int64_t expected = 0;
  for (auto& [number, point] : read.waypoints) {
    if (number != expected) {
      problem = "the plan has no waypoint." + std::to_string(expected) + " line";
      return false;
    }
    ++expected;
    plan.points.push_back(std::move(point));
  }
  if (read.hasDestination && plan.points.back().ident != read.destination) {
    problem = "the plan ends at waypoint." + std::to_string(expected - 1) + " " + Quoted(plan.points.back().ident) +
              ", not at its destination " + Quoted(read.destination);
    return false;
  }
  return true;
}

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  if (!Recognizes(bytes)) {
    problem = "the plan does not open with [flightplan]";
    return false;
  }
  IniPlan read;
  auto take = [&read, &plan](const IniEntry& entry, std::string& why) { return ReadEntry(entry, read, plan, why); };
  return ReadIniSection(bytes, kSection, take, problem) && TakeWaypoints(read, plan, problem);
}

}  // namespace

const PlanReader kMsfsIniReader = {"msfs", "an MS FS2000/2002 plan (.pln)", Recognizes, Read, true};
