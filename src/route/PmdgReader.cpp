// Reader of the PMDG aircraft's route files (.rte), in the layout PMDG's support
// article describes: a remark line, the number of entries, then per entry its
// name, type (1 airport, 5 any other point), the leg to it, its position line
// "1 N 47.458000 E 8.548000 1416", for an airport three runway lines, and its
// restriction lines (a phase; after phase 0 two more lines, after any other four).
// Empty lines separate the parts and are passed over.
#include "route/PmdgReader.h"

#include <array>
#include <vector>

#include "route/PointFields.h"
#include "route/ReadNumber.h"
#include "route/TextEncoding.h"
#include "route/TextLines.h"

namespace {

constexpr int64_t kAirportType = 1;
constexpr std::size_t kPositionWords = 6;  // valid flag, hemisphere, latitude, hemisphere, longitude, altitude
constexpr std::size_t kRunwayLines = 3;
constexpr std::size_t kUnrestrictedLines = 2;
constexpr std::size_t kRestrictionLines = 4;
constexpr std::string_view kNoRunway = "-----";

using PositionWords = std::array<std::string_view, kPositionWords + 1>;

// The entry lines as read, before they are checked.
struct EntryLines {
  std::string_view name;
  std::string_view type;
  std::string_view via;
  std::string_view position;
  std::size_t positionLine;
};

bool IsHemisphere(std::string_view word, char positive, char negative) {
  return word.size() == 1 && (word[0] == positive || word[0] == negative);
}

// "1 N 47.458000 E 8.548000 1416": six words, the flag a digit, the
// hemispheres in their places. Whether the numbers read is checked later.
bool HasPositionForm(std::string_view line, PositionWords& words) {
  return SplitWords(line, words) == kPositionWords && (words[0] == "0" || words[0] == "1") &&
         IsHemisphere(words[1], 'N', 'S') && IsHemisphere(words[3], 'E', 'W');
}

// The next line that is not blank, trimmed; false at the end.
bool NextLine(LineCursor& lines, std::string_view& line) {
  if (!lines.NextNonBlank(line)) return false;
  line = Trimmed(line);
  return true;
}

// The first lines of an entry: name, type, leg, position.
bool NextEntryLines(LineCursor& lines, EntryLines& entry) {
  bool read = NextLine(lines, entry.name) && NextLine(lines, entry.type) && NextLine(lines, entry.via) &&
              NextLine(lines, entry.position);
  entry.positionLine = lines.Number();
  return read;
}

bool Recognizes(std::string_view bytes) {
  LineCursor lines(WithoutByteOrderMark(bytes));
  std::string_view line;
  int64_t count = 0;
  int64_t type = 0;
  EntryLines entry;
  PositionWords words;
  return lines.Next(line) && NextLine(lines, line) && ReadWholeNumber(line, count) && count > 0 &&
         NextEntryLines(lines, entry) && ReadWholeNumber(entry.type, type) && HasPositionForm(entry.position, words);
}

// Passes over `count` lines of the entry; false when the file ends first.
bool PassLines(LineCursor& lines, std::size_t count, std::vector<std::string_view>* kept) {
  std::string_view line;
  for (std::size_t i = 0; i < count; ++i) {
    if (!NextLine(lines, line)) return false;
    if (kept != nullptr) kept->push_back(line);
  }
  return true;
}

// The position line of an entry into `point`; a flag of 0 says the entry has none.
bool ReadPosition(const EntryLines& entry, PlanPoint& point, bool& placed, std::string& problem) {
  PositionWords words;
  if (!HasPositionForm(entry.position, words)) {
    problem = "the position line " + Quoted(entry.position) + " is not written as 1 N 47.458000 E 8.548000 1416";
    return false;
  }
  placed = words[0] == "1";
  if (!ReadNumberField(words[2], "latitude", point.latitude, problem) ||
      !ReadNumberField(words[4], "longitude", point.longitude, problem) ||
      !ReadNumberField(words[5], "altitude", point.altitudeFeet, problem)) {
    return false;
  }
  if (!(point.latitude >= 0.0 && point.latitude <= 90.0 && point.longitude >= 0.0 && point.longitude <= 180.0)) {
    problem = "the position " + Quoted(entry.position) + " is out of range";
    return false;
  }
  if (words[1] == "S") point.latitude = -point.latitude;
  if (words[3] == "W") point.longitude = -point.longitude;
  return true;
}

// The rest of an airport's entry: runway lines (the runway named when it is not
// "-----"), then the restriction lines; of any other entry the restriction lines.
bool PassEntryTail(LineCursor& lines, bool airport, std::string& runway) {
  std::vector<std::string_view> runwayLines;
  if (airport && !PassLines(lines, kRunwayLines, &runwayLines)) return false;
  if (airport && runwayLines[0] != kNoRunway) {
    runway = runwayLines[0].substr(0, 2) == "RW" ? runwayLines[0].substr(2) : runwayLines[0];
  }
  std::string_view phase;
  if (!NextLine(lines, phase)) return false;
  return PassLines(lines, phase == "0" ? kUnrestrictedLines : kRestrictionLines, nullptr);
}

// One entry, numbered from 1: the point added to `plan`, or its name to `named`
// when the entry has no position.
bool ReadEntry(LineCursor& lines, std::size_t number, PlanPoints& plan, std::vector<std::string>& named,
               std::string& problem) {
  EntryLines entry;
  std::string cut = "the plan ends inside entry " + std::to_string(number);
  if (!NextEntryLines(lines, entry)) {
    problem = cut;
    return false;
  }
  int64_t type = 0;
  if (!ReadWholeNumber(entry.type, type)) {
    problem = "entry " + std::to_string(number) + ": the type " + Quoted(entry.type) + " is no number";
    return false;
  }
  PlanPoint point{Utf8FromWindows1252(entry.name), PointKind::Unknown, 0.0, 0.0, true, 0.0, ""};
  bool placed = false;
  if (!ReadPosition(entry, point, placed, problem)) {
    problem = AtLine(entry.positionLine) + problem;
    return false;
  }
  if (type == kAirportType) point.kind = PointKind::Airport;
  std::string runway;
  if (!PassEntryTail(lines, type == kAirportType, runway)) {
    problem = cut + " (" + Shown(point.ident) + ")";
    return false;
  }
  if (number == 1) plan.departureRunway = runway;
  plan.destinationRunway = runway;  // the last entry's
  if (placed) return AddPoint(plan, std::move(point), problem);
  named.push_back(Shown(point.ident) + " (entry " + std::to_string(number) + ")");
  return true;
}

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  LineCursor lines(WithoutByteOrderMark(bytes));
  std::string_view line;
  int64_t count = 0;
  if (!lines.Next(line) || !NextLine(lines, line) || !ReadWholeNumber(line, count) || count < 0) {
    problem = "the plan does not give its number of entries after its remark line";
    return false;
  }
  if (count > static_cast<int64_t>(kMaxPlanPoints)) {
    problem = AtLine(lines.Number()) + "the plan announces " + std::to_string(count) +
              " entries, more than PlanTransit reads (" + std::to_string(kMaxPlanPoints) + ")";
    return false;
  }
  std::vector<std::string> named;
  for (int64_t number = 1; number <= count; ++number) {
    if (!ReadEntry(lines, static_cast<std::size_t>(number), plan, named, problem)) return false;
  }
  if (lines.NextNonBlank(line)) {
    problem = AtLine(lines.Number()) + "more entries than the " + std::to_string(count) + " the plan announces";
    return false;
  }
  if (named.empty()) return true;
  problem = NamedWithoutPositionProblem(named);
  return false;
}

}  // namespace

const PlanReader kPmdgReader = {"pmdg", "a PMDG route (.rte)", Recognizes, Read, true};
