// Reader of ACS-GPS plans: one block of five lines per waypoint after the
// departure airport (identifier, name, longitude, latitude, an empty line),
// positions in degrees and minutes ("E 08* 26.22m"). The file holds no
// departure airport and no altitudes, so it is never the source of a route.
#include "route/AcsGpsReader.h"

#include "route/PointFields.h"
#include "route/TextEncoding.h"
#include "route/TextLines.h"

namespace {

constexpr StarAngleForm kLongitude = {"longitude", "EW", 'm', "E 08* 26.22m"};
constexpr StarAngleForm kLatitude = {"latitude", "NS", 'm', "N 47* 41.35m"};

bool Recognizes(std::string_view bytes) {
  LineCursor lines(bytes);
  std::string_view line;
  double degrees = 0;
  std::string ignored;
  return lines.Next(line) && lines.Next(line) && lines.Next(line) &&
         ReadStarAngleField(line, kLongitude, degrees, ignored) && lines.Next(line) &&
         ReadStarAngleField(line, kLatitude, degrees, ignored);
}

// True when nothing but blank lines follows.
bool OnlyBlankLinesFollow(LineCursor lines) {
  std::string_view line;
  return !lines.NextNonBlank(line);
}

// One block from its identifier line on.
bool ReadBlock(LineCursor& lines, std::string_view ident, PlanPoints& plan, std::string& problem) {
  PlanPoint point{Utf8FromWindows1252(ident), PointKind::Unknown, 0.0, 0.0, false, 0.0, ""};
  std::string_view name;
  std::string_view longitude;
  std::string_view latitude;
  std::string_view end;
  if (!lines.Next(name) || !lines.Next(longitude) || !lines.Next(latitude) || !lines.Next(end)) {
    problem = "the plan ends inside the block of " + Quoted(point.ident);
    return false;
  }
  point.name = Utf8FromWindows1252(name);
  std::size_t latitudeLine = lines.Number() - 1;
  if (!ReadStarAngleField(longitude, kLongitude, point.longitude, problem)) {
    problem = AtLine(latitudeLine - 1) + problem;
    return false;
  }
  if (!ReadStarAngleField(latitude, kLatitude, point.latitude, problem)) {
    problem = AtLine(latitudeLine) + problem;
    return false;
  }
  if (!Trimmed(end).empty()) {
    problem = AtLine(lines.Number()) + "the block of " + Quoted(point.ident) + " does not end with an empty line";
    return false;
  }
  return AddPoint(plan, std::move(point), problem);
}

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  LineCursor lines(bytes);
  std::string_view ident;
  while (!OnlyBlankLinesFollow(lines) && lines.Next(ident)) {
    if (!ReadBlock(lines, ident, plan, problem)) return false;
  }
  return true;
}

}  // namespace

const PlanReader kAcsGpsReader = {"acs-gps", "an ACS-GPS plan (.prg)", Recognizes, Read, false};
