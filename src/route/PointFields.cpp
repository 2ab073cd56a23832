// Ranges are checked on the value read, so "90.0000001" is refused as well as "91".
#include "route/PointFields.h"

#include <utility>

#include "route/ReadNumber.h"
#include "route/TextEncoding.h"
#include "route/TextLines.h"

namespace {

constexpr std::size_t kShownLength = 32;
constexpr std::size_t kNamedListed = 10;

bool Within(double value, double limit) { return value >= -limit && value <= limit; }

bool ReadAngleField(std::string_view text, const char* what, double limit, double& degrees, std::string& problem) {
  double value = 0;
  if (!ReadNumberField(text, what, value, problem)) return false;
  if (!Within(value, limit)) {
    problem = std::string("the ") + what + " " + Quoted(text) + " is out of range";
    return false;
  }
  degrees = value;
  return true;
}

}  // namespace

std::string Shown(std::string_view text) {
  std::string shown;
  for (char c : text.substr(0, kShownLength)) shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
  return text.size() > kShownLength ? shown + "..." : shown;
}

std::string Quoted(std::string_view text) { return "\"" + Shown(text) + "\""; }

std::string AtLine(std::size_t number) { return "line " + std::to_string(number) + ": "; }

bool ReadLatitudeField(std::string_view text, double& degrees, std::string& problem) {
  return ReadAngleField(text, "latitude", 90.0, degrees, problem);
}

bool ReadLongitudeField(std::string_view text, double& degrees, std::string& problem) {
  return ReadAngleField(text, "longitude", 180.0, degrees, problem);
}

bool ReadNumberField(std::string_view text, const char* what, double& value, std::string& problem) {
  if (ReadDecimal(text, value)) return true;
  problem = std::string("the ") + what + " " + Quoted(text) + " is no number";
  return false;
}

bool AngleFromParts(char hemisphere, int64_t whole, double minutes, double& degrees) {
  char upper = hemisphere >= 'a' && hemisphere <= 'z' ? static_cast<char>(hemisphere - 'a' + 'A') : hemisphere;
  bool latitude = upper == 'N' || upper == 'S';
  bool longitude = upper == 'E' || upper == 'W';
  if (!latitude && !longitude) return false;
  if (whole < 0 || whole > 180 || !(minutes >= 0.0 && minutes <= 60.0)) return false;
  double magnitude = static_cast<double>(whole) + minutes / 60.0;
  if (!Within(magnitude, latitude ? 90.0 : 180.0)) return false;
  degrees = hemisphere == 'S' || hemisphere == 'W' ? -magnitude : magnitude;
  return true;
}

bool ReadStarAngleField(std::string_view text, const StarAngleForm& form, double& degrees, std::string& problem) {
  std::string_view rest = Trimmed(text);
  std::size_t star = rest.find('*');
  char hemisphere = rest.empty() ? '\0' : rest.front();
  if (hemisphere >= 'a' && hemisphere <= 'z') hemisphere = static_cast<char>(hemisphere - 'a' + 'A');
  bool written = rest.size() > 2 && form.hemispheres.find(hemisphere) != std::string_view::npos &&
                 star != std::string_view::npos && rest.back() == form.mark;
  int64_t whole = 0;
  double minutes = 0;
  written = written && ReadWholeNumber(Trimmed(rest.substr(1, star - 1)), whole) &&
            ReadDecimal(Trimmed(rest.substr(star + 1, rest.size() - star - 2)), minutes);
  if (!written) {
    problem = std::string("the ") + form.what + " " + Quoted(text) + " is not written as " + form.example;
    return false;
  }
  if (!AngleFromParts(rest.front(), whole, minutes, degrees)) {
    problem = std::string("the ") + form.what + " " + Quoted(text) + " is out of range";
    return false;
  }
  return true;
}

std::string TooManyPointsProblem() {
  return "the plan holds more than " + std::to_string(kMaxPlanPoints) + " points, more than PlanTransit reads";
}

bool AddPoint(PlanPoints& plan, PlanPoint point, std::string& problem) {
  if (plan.points.size() >= kMaxPlanPoints) {
    problem = TooManyPointsProblem();
    return false;
  }
  point.ident = ValidUtf8(point.ident);
  point.name = ValidUtf8(point.name);
  plan.points.push_back(std::move(point));
  return true;
}

PlanPoint PointNamedOnly(std::string ident, PointKind kind) {
  PlanPoint point{std::move(ident), kind, 0.0, 0.0, false, 0.0, ""};
  point.hasPosition = false;
  return point;
}

std::string NamedWithoutPositionProblem(const std::vector<std::string>& named) {
  std::string list;
  std::size_t listed = named.size() < kNamedListed ? named.size() : kNamedListed;
  for (std::size_t i = 0; i < listed; ++i) {
    if (i > 0) list += i + 1 == named.size() ? " and " : ", ";
    list += named[i];
  }
  if (named.size() > listed) list += " and " + std::to_string(named.size() - listed) + " more";
  const char* verb = named.size() == 1 ? " is" : " are";
  return list + verb + " named without a position: PlanTransit has no navaid database and does not guess";
}

PointKind KindOfTypeLetter(char letter) {
  switch (letter) {
    case 'A': return PointKind::Airport;
    case 'V': return PointKind::Vor;
    case 'N': return PointKind::Ndb;
    case 'I': return PointKind::Intersection;
    default: return PointKind::Unknown;
  }
}
