// Reader of Radar Contact plans: the airports' identifiers ("DEPARTURE_ID =
// \"LSZH\""), then the "GET_FLIGHT_PLAN:" section of "name = value" lines up to
// "RETURN": the airports' positions and elevations, and per checkpoint its
// position and its altitude in tens of feet. Checkpoints have no identifiers, so
// the file is never the source of a route: its points are the departure, the
// checkpoints (named "") and the arrival.
#include "route/RadarContactReader.h"

#include <map>

#include "route/PointFields.h"
#include "route/ReadNumber.h"
#include "route/TextEncoding.h"
#include "route/TextLines.h"

namespace {

constexpr std::string_view kSectionLine = "GET_FLIGHT_PLAN:";
constexpr std::string_view kEndLine = "RETURN";
constexpr std::string_view kCheckpointKey = "checkpoint_";
constexpr std::size_t kRecognizedLines = 20;
constexpr double kFeetPerFiledUnit = 10.0;

// A point as its values come in: each is set at most once.
struct PointValues {
  bool hasLatitude = false;
  bool hasLongitude = false;
  bool hasAltitude = false;
  PlanPoint point{"", PointKind::Unknown, 0.0, 0.0, true, 0.0, ""};
};

struct RadarContactPlan {
  PointValues departure;
  PointValues arrival;
  std::map<int64_t, PointValues> checkpoints;
  int64_t announced = -1;  // number_of_checkpoints; -1 until read
};

bool Recognizes(std::string_view bytes) {
  LineCursor lines(bytes);
  std::string_view line;
  while (lines.Number() < kRecognizedLines && lines.Next(line)) {
    if (Trimmed(line) == kSectionLine) return true;
  }
  return false;
}

// "name = value" with both sides trimmed; false for a line without "=".
bool SplitAssignment(std::string_view line, std::string_view& name, std::string_view& value) {
  std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  name = Trimmed(line.substr(0, equals));
  value = Trimmed(line.substr(equals + 1));
  return true;
}

// `value` in quotes, without them, Windows-1252 turned into UTF-8.
bool ReadQuotedIdent(std::string_view value, std::string& ident) {
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') return false;
  ident = Utf8FromWindows1252(value.substr(1, value.size() - 2));
  return true;
}

// One of "latitude", "longitude", "altitude"/"elevation" of `values`, once.
bool SetValue(std::string_view field, std::string_view value, double altitudeScale, PointValues& values,
              std::string& problem) {
  bool* has = field == "latitude" ? &values.hasLatitude : field == "longitude" ? &values.hasLongitude
                                                                                : &values.hasAltitude;
  if (*has) {
    problem = "the " + std::string(field) + " is given twice";
    return false;
  }
  *has = true;
  if (field == "latitude") return ReadLatitudeField(value, values.point.latitude, problem);
  if (field == "longitude") return ReadLongitudeField(value, values.point.longitude, problem);
  double read = 0;
  if (!ReadNumberField(value, std::string(field).c_str(), read, problem)) return false;
  values.point.altitudeFeet = read * altitudeScale;
  return true;
}

// A "checkpoint_N_field = value" line; fields other than the position and the
// altitude (frequency, heading) are passed over.
bool ReadCheckpointValue(std::string_view name, std::string_view value, RadarContactPlan& plan,
                         std::string& problem) {
  std::string_view rest = name.substr(kCheckpointKey.size());
  std::size_t underscore = rest.find('_');
  int64_t number = 0;
  if (underscore == std::string_view::npos || !ReadWholeNumber(rest.substr(0, underscore), number) || number < 1) {
    problem = Quoted(name) + " names no checkpoint";
    return false;
  }
  std::string_view field = rest.substr(underscore + 1);
  if (field != "latitude" && field != "longitude" && field != "altitude") return true;
  if (plan.checkpoints.count(number) == 0 && plan.checkpoints.size() == kMaxPlanPoints) {
    problem = TooManyPointsProblem();
    return false;
  }
  return SetValue(field, value, kFeetPerFiledUnit, plan.checkpoints[number], problem);
}

// A "name = value" line of the section.
bool ReadSectionValue(std::string_view name, std::string_view value, RadarContactPlan& plan, std::string& problem) {
  if (name.substr(0, kCheckpointKey.size()) == kCheckpointKey) return ReadCheckpointValue(name, value, plan, problem);
  for (auto [prefix, values] : {std::pair{"departure_", &plan.departure}, std::pair{"arrival_", &plan.arrival}}) {
    std::string_view start = prefix;
    if (name.substr(0, start.size()) != start) continue;
    std::string_view field = name.substr(start.size());
    if (field == "elevation") field = "altitude";
    if (field != "latitude" && field != "longitude" && field != "altitude") return true;
    return SetValue(field, value, 1.0, *values, problem);
  }
  if (name != "number_of_checkpoints") return true;
  if (!ReadWholeNumber(value, plan.announced) || plan.announced < 0) {
    problem = "the number_of_checkpoints " + Quoted(value) + " is no number";
    return false;
  }
  return true;
}

// A line of the header before the section: comments, blank lines and the
// airports' identifiers.
bool ReadHeaderLine(std::string_view line, RadarContactPlan& plan, std::string& problem) {
  std::string_view name;
  std::string_view value;
  if (line.empty() || line.front() == ';') return true;
  if (SplitAssignment(line, name, value)) {
    std::string* ident = name == "DEPARTURE_ID" ? &plan.departure.point.ident
                         : name == "ARRIVAL_ID" ? &plan.arrival.point.ident
                                                : nullptr;
    std::string ignored;
    if (ReadQuotedIdent(value, ident != nullptr ? *ident : ignored)) return true;
  }
  problem = Quoted(line) + " is no line of a Radar Contact plan";
  return false;
}

// The point of `values`, which must have its whole position and altitude.
bool TakePoint(PointValues& values, const std::string& what, PlanPoints& points, std::string& problem) {
  const char* missing = !values.hasLatitude ? "latitude" : !values.hasLongitude ? "longitude"
                        : !values.hasAltitude ? "altitude" : nullptr;
  if (missing != nullptr) {
    problem = "the plan gives no " + std::string(missing) + " of " + what;
    return false;
  }
  points.points.push_back(std::move(values.point));
  return true;
}

bool TakePoints(RadarContactPlan& read, PlanPoints& plan, std::string& problem) {
  if (read.announced != static_cast<int64_t>(read.checkpoints.size())) {
    problem = "the plan gives " + std::to_string(read.checkpoints.size()) +
              " checkpoints, number_of_checkpoints says " + std::to_string(read.announced);
    return false;
  }
  read.departure.point.kind = PointKind::Airport;
  read.arrival.point.kind = PointKind::Airport;
  if (!TakePoint(read.departure, "the departure", plan, problem)) return false;
  int64_t expected = 1;
  for (auto& [number, values] : read.checkpoints) {
    if (number != expected) {
      problem = "the plan gives no checkpoint " + std::to_string(expected);
      return false;
    }
    if (!TakePoint(values, "checkpoint " + std::to_string(number), plan, problem)) return false;
    ++expected;
  }
  return TakePoint(read.arrival, "the arrival", plan, problem);
}

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  RadarContactPlan read;
  LineCursor lines(bytes);
  std::string_view line;
  bool inSection = false;
  for (;;) {
    if (!lines.Next(line)) {
      problem = inSection ? "the plan ends before RETURN" : "the plan has no GET_FLIGHT_PLAN: section";
      return false;
    }
    line = Trimmed(line);
    std::string_view name;
    std::string_view value;
    bool understood = true;
    if (!inSection && line == kSectionLine) {
      inSection = true;
    } else if (!inSection) {
      understood = ReadHeaderLine(line, read, problem);
    } else if (line == kEndLine) {
      break;
    } else if (SplitAssignment(line, name, value)) {
      understood = ReadSectionValue(name, value, read, problem);
    }
    if (!understood) {
      problem = AtLine(lines.Number()) + problem;
      return false;
    }
  }
  if (lines.NextNonBlank(line)) {
    problem = AtLine(lines.Number()) + "the plan goes on after RETURN";
    return false;
  }
  return TakePoints(read, plan, problem);
}

}  // namespace

const PlanReader kRadarContactReader = {"rc99", "a Radar Contact plan (.apl)", Recognizes, Read, false};
