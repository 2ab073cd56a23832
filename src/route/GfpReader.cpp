// Reader of the one-line GFP plans of the Garmin add-ons. The line is walked
// element by element, never split into a list, so a huge line costs no memory.
#include "route/GfpReader.h"

#include "route/PointFields.h"
#include "route/ReadNumber.h"
#include "route/TextLines.h"

namespace {

constexpr std::string_view kLineStart = "FPN/RI";
constexpr std::string_view kWaypointTag = "F";
constexpr std::size_t kCoordinatesLength = 13;  // N47414E008262

bool Recognizes(std::string_view bytes) {
  LineCursor lines(WithoutByteOrderMark(bytes));
  std::string_view line;
  return lines.Next(line) && Trimmed(line).substr(0, kLineStart.size() + 1) == "FPN/RI:";
}

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The angle of "47414" (degrees, minutes, tenths) after `hemisphere`.
bool AngleOf(char hemisphere, std::string_view digits, double& degrees) {
  int64_t whole = 0;
  int64_t minutes = 0;
  int64_t tenths = 0;
  std::size_t degreeDigits = digits.size() - 3;
  return ReadWholeNumber(digits.substr(0, degreeDigits), whole) &&
         ReadWholeNumber(digits.substr(degreeDigits, 2), minutes) && minutes < 60 &&
         ReadWholeNumber(digits.substr(degreeDigits + 2), tenths) &&
         AngleFromParts(hemisphere, whole, static_cast<double>(minutes) + static_cast<double>(tenths) / 10.0, degrees);
}

// True when `text` has the form of a position ("N47414E008262"), whether or not
// its values are in range.
bool HasCoordinateForm(std::string_view text) {
  return text.size() == kCoordinatesLength && (text[0] == 'N' || text[0] == 'S') &&
         AllDigits(text.substr(1, 5)) && (text[6] == 'E' || text[6] == 'W') && AllDigits(text.substr(7));
}

struct Element {
  std::string_view tag;
  std::string_view value;
  std::size_t number;  // from 1
};

// Reads the elements ":F:<value>" of the line after "FPN/RI" one by one.
class ElementCursor {
 public:
  explicit ElementCursor(std::string_view rest) : rest_(rest), ended_(rest.empty()) {}

  // The next element; false at the end of the line, or with `problem` for an
  // element without its value.
  bool Next(Element& element, std::string& problem) {
    if (ended_) return false;
    std::string_view tag = Field();
    if (ended_) {
      problem = "element " + std::to_string(number_ + 1) + ": " + Quoted(tag) + " has no value";
      return false;
    }
    element = {tag, Field(), ++number_};
    ended_ = ended_ || rest_.empty();
    return true;
  }

 private:
  // The text up to the next ":", passed over with it; the last field ends the line.
  std::string_view Field() {
    std::size_t end = rest_.find(':');
    std::string_view field = rest_.substr(0, end);
    if (end == std::string_view::npos) {
      ended_ = true;
      rest_ = {};
    } else {
      rest_.remove_prefix(end + 1);
    }
    return field;
  }

  std::string_view rest_;
  bool ended_;
  std::size_t number_ = 0;
};

// One waypoint element: a user point at the position it gives, or a point named
// by its identifier alone.
bool ReadElement(const Element& element, PlanPoints& plan, std::string& problem) {
  std::string at = "element " + std::to_string(element.number) + ": ";
  if (element.tag != kWaypointTag) {
    problem = at + Quoted(std::string(element.tag) + ":" + std::string(element.value)) +
              " is no waypoint (\"F:\") PlanTransit reads";
    return false;
  }
  if (element.value.find('.') != std::string_view::npos) {
    problem = at + Quoted(element.value) +
              " follows an airway, which has no positions of its own: PlanTransit has no navaid database and does "
              "not guess";
    return false;
  }
  if (element.value.empty()) {
    problem = at + "the waypoint has no name";
    return false;
  }
  if (!HasCoordinateForm(element.value)) {
    return AddPoint(plan, PointNamedOnly(std::string(element.value), PointKind::Unknown), problem);
  }
  PlanPoint point{std::string(element.value), PointKind::User, 0.0, 0.0, false, 0.0, ""};
  if (!AngleOf(element.value[0], element.value.substr(1, 5), point.latitude) ||
      !AngleOf(element.value[6], element.value.substr(7), point.longitude)) {
    problem = at + "the position " + Quoted(element.value) + " is out of range";
    return false;
  }
  return AddPoint(plan, std::move(point), problem);
}

bool ReadGfp(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  problem.clear();
  LineCursor lines(WithoutByteOrderMark(bytes));
  std::string_view line;
  if (!lines.Next(line) || Trimmed(line).substr(0, kLineStart.size()) != kLineStart) {
    problem = "the plan does not open with \"FPN/RI\"";
    return false;
  }
  std::string_view rest = Trimmed(line).substr(kLineStart.size());
  if (!rest.empty() && rest.front() != ':') {
    problem = AtLine(1) + "\"FPN/RI\" is not followed by \":\"";
    return false;
  }
  ElementCursor elements(rest.empty() ? rest : rest.substr(1));
  Element element;
  std::size_t count = 0;
  while (elements.Next(element, problem)) {
    if (++count > kMaxPlanPoints) {
      problem = TooManyPointsProblem();
      return false;
    }
    if (!ReadElement(element, plan, problem)) return false;
  }
  if (!problem.empty()) return false;
  if (lines.NextNonBlank(line)) {
    problem = AtLine(lines.Number()) + "a GFP plan is one line";
    return false;
  }
  return true;
}

}  // namespace

const PlanReader kGfpReader = {"gfp", "a Garmin GFP plan (.gfp)", Recognizes, ReadGfp, true};
