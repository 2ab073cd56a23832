// Writer of export type XPLANE. X-Plane splits each line at blanks, so an
// identifier is written without any, and looks each named point up by its
// identifier near the position given.
#include "writers/XPlaneWriter.h"

#include <string>

#include "route/XPlaneReader.h"
#include "writers/AiracCycle.h"
#include "writers/PlanNumbers.h"
#include "writers/PlanText.h"
#include "writers/RunwayWord.h"
#include "writers/WaypointKind.h"

namespace {

constexpr int kDecimals = 6;  // of every number, "%.6f"
constexpr int kUserWaypoint = 28;

int TypeCode(WaypointKind kind) {
  switch (kind) {
    case WaypointKind::Airport: return 1;
    case WaypointKind::Ndb: return 2;
    case WaypointKind::Vor: return 3;
    case WaypointKind::Intersection: return 11;
    case WaypointKind::Position: break;
  }
  return kUserWaypoint;
}

// The identifier in ASCII without blanks; one that has nothing left is named by
// its place in the route, so every line keeps its six fields.
std::string Ident(const RouteTable& route, uint32_t index) {
  std::string ident;
  for (char c : AsciiFromAnsi(route.rows[index].ident)) {
    if (c != ' ') ident += c;
  }
  return ident.empty() ? "WPT" + std::to_string(index + 1) : ident;
}

// "RW16" after `keyword`, only when the runway text names a runway.
void WriteRunway(PlanStream& out, const char* keyword, const char* runway) {
  std::string designator;
  if (RunwayDesignator(runway, designator)) out.Print("%s RW%s\n", keyword, designator.c_str());
}

// An en-route point whose identifier had to change names no point of the
// database: it is a user waypoint at its position. The airports at the ends stay
// airports, which ADEP and ADES need.
int TypeCodeOf(const RouteTable& route, uint32_t index) {
  const WaypointRow& row = route.rows[index];
  bool atEnd = index == 0 || index + 1 == route.waypointCount;
  if (!atEnd && Ident(route, index) != row.ident) return kUserWaypoint;
  return TypeCode(WaypointKindOf(row.type));
}

const char* Via(const RouteTable& route, uint32_t index) {
  if (index == 0) return "ADEP";
  return index + 1 == route.waypointCount ? "ADES" : "DRCT";
}

// The kind a reader takes from the type code.
PointKind KindOfTypeCode(int code) {
  switch (code) {
    case 1: return PointKind::Airport;
    case 2: return PointKind::Ndb;
    case 3: return PointKind::Vor;
    case 11: return PointKind::Intersection;
    default: return PointKind::User;
  }
}

// The cycle of the conversion's day; 0 when the day is not known.
int CycleOf(const ConversionDate& date) { return date.dayKnown ? AiracCycle(date.day) : 0; }

}  // namespace

void WriteXPlanePlan(const PlanInput& plan, PlanStream& out) {
  const RouteTable& route = plan.route;
  const uint32_t last = route.waypointCount - 1;
  out.Print("I\n1100 Version\nCYCLE %04d\n", CycleOf(plan.date));
  out.Print("ADEP %s\n", Ident(route, 0).c_str());
  WriteRunway(out, "DEPRWY", plan.departureRunway);
  out.Print("ADES %s\n", Ident(route, last).c_str());
  WriteRunway(out, "DESRWY", plan.destinationRunway);
  out.Print("NUMENR %u\n", route.waypointCount);
  for (uint32_t i = 0; i < route.waypointCount; ++i) {
    const WaypointRow& row = route.rows[i];
    out.Print("%d %s %s %.6f %.6f %.6f\n", TypeCodeOf(route, i), Ident(route, i).c_str(), Via(route, i),
              WithoutNegativeZero(row.altitude, kDecimals), WithoutNegativeZero(row.latitude, kDecimals),
              WithoutNegativeZero(row.longitude, kDecimals));
  }
}

PlanPoints ExpectedXPlanePoints(const PlanInput& plan) {
  const RouteTable& route = plan.route;
  PlanPoints expected;
  for (uint32_t i = 0; i < route.waypointCount; ++i) {
    const WaypointRow& row = route.rows[i];
    expected.points.push_back({Ident(route, i), KindOfTypeCode(TypeCodeOf(route, i)), row.latitude, row.longitude, true,
                               row.altitude, ""});
  }
  return expected;
}

const PlanReadBack kXPlaneReadBack = {&kXPlaneReader, ExpectedXPlanePoints, 1e-6, 1e-3};
