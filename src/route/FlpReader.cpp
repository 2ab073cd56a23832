// Reader of the FLP plans of the Aerosoft aircraft and X-Plane FMS add-ons: the
// [CoRte] section's departure and arrival airports, named only, and its direct
// legs "DctWptN" with their "DctWptNCoordinates" in the order of N. An airway
// leg ("AirwayN") names no points of its own and is refused.
#include "route/FlpReader.h"

#include <array>
#include <map>

#include "route/IniLines.h"
#include "route/PointFields.h"
#include "route/ReadNumber.h"
#include "route/TextEncoding.h"

namespace {

constexpr std::string_view kSection = "CoRte";
constexpr std::string_view kLegKey = "DctWpt";
constexpr std::string_view kCoordinatesSuffix = "Coordinates";
constexpr std::string_view kAirwayKey = "Airway";

struct Leg {
  std::string name;
  bool named = false;
  bool placed = false;
  double latitude = 0;
  double longitude = 0;
};

struct FlpPlan {
  std::map<int64_t, Leg> legs;
  std::string departure;  // the airports, named only; "" when the plan names none
  std::string arrival;
};

bool Recognizes(std::string_view bytes) { return EqualsIgnoringCase(FirstIniSection(bytes), kSection); }

// The number after `start` in a key ("DctWpt12Coordinates" gives 12 and the
// suffix "Coordinates"); false when no digit follows `start`.
bool KeyNumber(std::string_view key, std::string_view start, int64_t& number, std::string_view& suffix) {
  if (!EqualsIgnoringCase(key.substr(0, start.size()), start)) return false;
  std::size_t end = start.size();
  while (end < key.size() && end - start.size() < 18 && key[end] >= '0' && key[end] <= '9') ++end;
  suffix = key.substr(end);
  return end > start.size() && ReadWholeNumber(key.substr(start.size(), end - start.size()), number);
}

// "47.689167,8.437000" as the leg's position.
bool ReadCoordinates(std::string_view value, Leg& leg, std::string& problem) {
  std::array<std::string_view, 2> parts;
  if (SplitAt(value, ',', parts) != 2) {
    problem = "the coordinates " + Quoted(value) + " are not latitude,longitude";
    return false;
  }
  leg.placed = ReadLatitudeField(parts[0], leg.latitude, problem) &&
               ReadLongitudeField(parts[1], leg.longitude, problem);
  return leg.placed;
}

bool ReadLegEntry(const IniEntry& entry, FlpPlan& read, std::string& problem) {
  int64_t number = 0;
  std::string_view suffix;
  bool coordinates = false;
  if (!KeyNumber(entry.key, kLegKey, number, suffix) ||
      !(suffix.empty() || (coordinates = EqualsIgnoringCase(suffix, kCoordinatesSuffix)))) {
    return true;  // a key of no leg
  }
  if (read.legs.count(number) == 0 && read.legs.size() == kMaxPlanPoints) {
    problem = TooManyPointsProblem();
    return false;
  }
  Leg& leg = read.legs[number];
  if (coordinates ? leg.placed : leg.named) {
    problem = AtLine(entry.line) + Shown(entry.key) + " is given twice";
    return false;
  }
  if (!coordinates) {
    leg.name = Utf8FromWindows1252(entry.value);
    leg.named = true;
    return true;
  }
  if (entry.value.empty()) return true;  // no position: the leg is named without one
  if (ReadCoordinates(entry.value, leg, problem)) return true;
  problem = AtLine(entry.line) + problem;
  return false;
}

bool ReadEntry(const IniEntry& entry, FlpPlan& read, PlanPoints& plan, std::string& problem) {
  if (EqualsIgnoringCase(entry.key, "ArptDep")) {
    read.departure = Utf8FromWindows1252(entry.value);
  } else if (EqualsIgnoringCase(entry.key, "ArptArr")) {
    read.arrival = Utf8FromWindows1252(entry.value);
  } else if (EqualsIgnoringCase(entry.key, "RwyDep")) {
    plan.departureRunway = entry.value;
  } else if (EqualsIgnoringCase(entry.key, "RwyArr")) {
    plan.destinationRunway = entry.value;
  }
  int64_t number = 0;
  std::string_view suffix;
  if (KeyNumber(entry.key, kAirwayKey, number, suffix) && !entry.value.empty()) {
    problem = AtLine(entry.line) + "the airway " + Quoted(std::string(entry.key) + "=" + std::string(entry.value)) +
              " has no positions of its own: PlanTransit has no navaid database and does not guess";
    return false;
  }
  return ReadLegEntry(entry, read, problem);
}

// The airports and the legs in the order of their numbers; a leg needs its name.
bool TakePoints(const FlpPlan& read, PlanPoints& plan, std::string& problem) {
  if (!read.departure.empty()) plan.points.push_back(PointNamedOnly(read.departure, PointKind::Airport));
  for (const auto& [number, leg] : read.legs) {
    if (!leg.named) {
      std::string key = std::string(kLegKey) + std::to_string(number);
      problem = key + "Coordinates has no " + key;
      return false;
    }
    if (!leg.placed) {
      plan.points.push_back(PointNamedOnly(leg.name, PointKind::Unknown));
    } else {
      plan.points.push_back({leg.name, PointKind::Unknown, leg.latitude, leg.longitude, false, 0.0, ""});
    }
  }
  if (!read.arrival.empty()) plan.points.push_back(PointNamedOnly(read.arrival, PointKind::Airport));
  if (plan.points.size() <= kMaxPlanPoints) return true;
  problem = TooManyPointsProblem();
  return false;
}

bool ReadFlp(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  if (!Recognizes(bytes)) {
    problem = "the plan does not open with [CoRte]";
    return false;
  }
  FlpPlan read;
  auto take = [&](const IniEntry& entry, std::string& why) { return ReadEntry(entry, read, plan, why); };
  return ReadIniSection(bytes, kSection, take, problem) && TakePoints(read, plan, problem);
}

}  // namespace

const PlanReader kFlpReader = {"flp", "an FLP plan (.flp)", Recognizes, ReadFlp, true};
