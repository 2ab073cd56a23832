// Reader of X-Plane's .fms plans, version 3 and 1100, as X-Plane's developer
// article on the .fms format describes them. Procedures (SID, STAR, approach and
// their transitions) are read over: they are the simulator's, not points of the
// route, whose points from departure to destination are all in the file.
#include "route/XPlaneReader.h"

#include <array>

#include "route/PointFields.h"
#include "route/ReadNumber.h"
#include "route/TextLines.h"

namespace {

constexpr std::size_t kVersion3Fields = 5;     // type ident altitude lat lon
constexpr std::size_t kVersion1100Fields = 6;  // type ident via altitude lat lon

using Words = std::array<std::string_view, kVersion1100Fields + 1>;

// The departure and destination lines of version 1100 and what they are for.
enum class Keyword { DepartureRunway, DestinationRunway, Other };

struct KeywordLine {
  std::string_view word;
  Keyword keyword;
};

constexpr KeywordLine kKeywordLines[] = {
    {"ADEP", Keyword::Other},     {"DEP", Keyword::Other},       {"DEPRWY", Keyword::DepartureRunway},
    {"SID", Keyword::Other},      {"SIDTRANS", Keyword::Other},  {"ADES", Keyword::Other},
    {"DES", Keyword::Other},      {"DESRWY", Keyword::DestinationRunway},
    {"STAR", Keyword::Other},     {"STARTRANS", Keyword::Other}, {"APP", Keyword::Other},
    {"APPTRANS", Keyword::Other},
};

bool IsFileTypeLine(std::string_view line) {
  line = Trimmed(line);
  return line == "I" || line == "A";
}

// "3 version", "1100 Version": the version's number in `version`.
bool IsVersionLine(std::string_view line, std::string_view& version) {
  std::array<std::string_view, 3> words;
  if (SplitWords(line, words) != 2 || !EqualsIgnoringCase(words[1], "version")) return false;
  int64_t number = 0;
  version = words[0];
  return ReadWholeNumber(version, number);
}

bool Recognizes(std::string_view bytes) {
  LineCursor lines(WithoutByteOrderMark(bytes));
  std::string_view first;
  std::string_view second;
  std::string_view version;
  return lines.Next(first) && IsFileTypeLine(first) && lines.Next(second) && IsVersionLine(second, version);
}

// The kind of X-Plane's waypoint type code; false for a code its plans do not
// use. Plans of other programs also carry 13, which says no kind.
bool KindOfCode(std::string_view text, PointKind& kind) {
  int64_t code = 0;
  if (!ReadWholeNumber(text, code)) return false;
  switch (code) {
    case 1: kind = PointKind::Airport; return true;
    case 2: kind = PointKind::Ndb; return true;
    case 3: kind = PointKind::Vor; return true;
    case 11: kind = PointKind::Intersection; return true;
    case 28: kind = PointKind::User; return true;
    case 13: kind = PointKind::Unknown; return true;
    default: return false;
  }
}

// One waypoint line whose words are type, ident, [via,] altitude, lat, lon.
bool ReadWaypoint(const Words& words, std::size_t altitudeAt, PlanPoint& point, std::string& problem) {
  point = PlanPoint{std::string(words[1]), PointKind::Unknown, 0.0, 0.0, true, 0.0, ""};
  if (!KindOfCode(words[0], point.kind)) {
    problem = "the waypoint type " + Quoted(words[0]) + " is none of X-Plane's (1, 2, 3, 11, 13, 28)";
    return false;
  }
  return ReadNumberField(words[altitudeAt], "altitude", point.altitudeFeet, problem) &&
         ReadLatitudeField(words[altitudeAt + 1], point.latitude, problem) &&
         ReadLongitudeField(words[altitudeAt + 2], point.longitude, problem);
}

// The waypoint on `line`, which must have `fieldCount` words, added to `plan`.
bool AddWaypointLine(LineCursor& lines, std::string_view line, std::size_t fieldCount, PlanPoints& plan,
                     std::string& problem) {
  Words words;
  std::size_t count = SplitWords(line, words);
  PlanPoint point;
  if (count != fieldCount) {
    problem = "the waypoint line has " + std::to_string(count) + " fields, not " + std::to_string(fieldCount);
  } else if (ReadWaypoint(words, fieldCount - 3, point, problem) && AddPoint(plan, std::move(point), problem)) {
    return true;
  }
  problem = AtLine(lines.Number()) + problem;
  return false;
}

// Version 3: two numbers, then waypoint lines up to the end or to the first of
// the lines of type 0 that fill the plan's unused entries.
bool ReadVersion3(LineCursor& lines, PlanPoints& plan, std::string& problem) {
  std::string_view line;
  for (const char* what : {"the number of the next entry", "the number of the last entry"}) {
    int64_t number = 0;
    if (!lines.Next(line)) {
      problem = std::string("the plan ends before ") + what;
      return false;
    }
    if (!ReadWholeNumber(Trimmed(line), number)) {
      problem = AtLine(lines.Number()) + Quoted(Trimmed(line)) + " is not " + what;
      return false;
    }
  }
  bool ended = false;
  while (lines.NextNonBlank(line)) {
    Words words;
    bool unused = SplitWords(line, words) == kVersion3Fields && words[0] == "0";
    if (unused) {
      ended = true;
    } else if (ended) {
      problem = AtLine(lines.Number()) + "a waypoint after the entries of type 0 that end the plan";
      return false;
    } else if (!AddWaypointLine(lines, line, kVersion3Fields, plan, problem)) {
      return false;
    }
  }
  return true;
}

// The lines of version 1100 before NUMENR. False with `problem` for a line of no
// kind the format has.
bool ReadKeywordLine(std::string_view line, std::size_t number, PlanPoints& plan, std::string& problem) {
  std::array<std::string_view, 3> words;
  std::size_t count = SplitWords(line, words);
  for (const KeywordLine& known : kKeywordLines) {
    if (count == 0 || words[0] != known.word) continue;
    if (count != 2) {
      problem = AtLine(number) + Quoted(Trimmed(line)) + " is not " + std::string(known.word) + " and one word";
      return false;
    }
    std::string_view runway = words[1].substr(0, 2) == "RW" ? words[1].substr(2) : words[1];
    if (known.keyword == Keyword::DepartureRunway) plan.departureRunway = runway;
    if (known.keyword == Keyword::DestinationRunway) plan.destinationRunway = runway;
    return true;
  }
  problem = AtLine(number) + Quoted(Trimmed(line)) + " is no line of an X-Plane plan";
  return false;
}

// True for a "NUMENR 9" line, the number of waypoints it announces in `count`;
// `count` is -1, with `problem` saying why, for one that is not a number from 0
// to kMaxPlanPoints.
bool IsWaypointCountLine(std::string_view line, std::size_t number, int64_t& count, std::string& problem) {
  std::array<std::string_view, 3> words;
  if (SplitWords(line, words) == 0 || words[0] != "NUMENR") return false;
  if (SplitWords(line, words) != 2 || !ReadWholeNumber(words[1], count) || count < 0) {
    problem = AtLine(number) + Quoted(Trimmed(line)) + " is not NUMENR and a number";
    count = -1;
  } else if (count > static_cast<int64_t>(kMaxPlanPoints)) {
    problem = AtLine(number) + "NUMENR " + std::to_string(count) + " announces more points than PlanTransit reads (" +
              std::to_string(kMaxPlanPoints) + ")";
    count = -1;
  }
  return true;
}

// Version 1100: CYCLE, the departure and destination lines, NUMENR and exactly
// as many waypoint lines as it announces.
bool ReadVersion1100(LineCursor& lines, PlanPoints& plan, std::string& problem) {
  std::string_view line;
  std::array<std::string_view, 3> words;
  int64_t cycle = 0;
  if (!lines.Next(line)) {
    problem = "the plan ends before its CYCLE line";
    return false;
  }
  if (SplitWords(line, words) != 2 || words[0] != "CYCLE" || !ReadWholeNumber(words[1], cycle)) {
    problem = AtLine(lines.Number()) + Quoted(Trimmed(line)) + " is no CYCLE line";
    return false;
  }
  int64_t announced = 0;
  for (;;) {
    if (!lines.NextNonBlank(line)) {
      problem = "the plan has no NUMENR line";
      return false;
    }
    if (IsWaypointCountLine(line, lines.Number(), announced, problem)) break;
    if (!ReadKeywordLine(line, lines.Number(), plan, problem)) return false;
  }
  if (announced < 0) return false;
  while (plan.points.size() < static_cast<std::size_t>(announced)) {
    if (!lines.NextNonBlank(line)) {
      problem = "the plan ends after " + std::to_string(plan.points.size()) + " of the " + std::to_string(announced) +
                " waypoints NUMENR announces";
      return false;
    }
    if (!AddWaypointLine(lines, line, kVersion1100Fields, plan, problem)) return false;
  }
  if (lines.NextNonBlank(line)) {
    problem = AtLine(lines.Number()) + "more waypoints than the " + std::to_string(announced) + " NUMENR announces";
    return false;
  }
  return true;
}

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  LineCursor lines(WithoutByteOrderMark(bytes));
  std::string_view line;
  std::string_view version;
  if (!lines.Next(line) || !IsFileTypeLine(line) || !lines.Next(line) || !IsVersionLine(line, version)) {
    problem = "the plan does not open with \"I\" or \"A\" and its version";
    return false;
  }
  if (version == "3") return ReadVersion3(lines, plan, problem);
  if (version == "1100") return ReadVersion1100(lines, plan, problem);
  problem = AtLine(2) + "the version " + Quoted(version) + " is none PlanTransit reads (3 or 1100)";
  return false;
}

}  // namespace

const PlanReader kXPlaneReader = {"xplane", "an X-Plane plan (.fms)", Recognizes, Read, true};
