// Reader of Nav Flight Planner 3.x's binary plans: the header's format marker and
// entry count, then per waypoint a Planner record and a 256-byte text block,
// whose text is no part of the route.
#include "route/NavReader.h"

#include "route/PlannerRecordReader.h"

namespace {

constexpr int32_t kNavFormatMarker = 10020;
constexpr std::size_t kTextBlockBytes = 256;
constexpr std::size_t kEntryBytes = kPlannerRecordBytes + kTextBlockBytes;

// 9 is any other point.
constexpr PlannerKindCode kNavCodes[] = {
    {4, PointKind::Airport}, {13, PointKind::Intersection}, {1, PointKind::Ndb}, {3, PointKind::Vor}};

bool Recognizes(std::string_view bytes) { return HasPlannerMarker(bytes, kNavFormatMarker); }

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  if (!Recognizes(bytes)) {
    problem = "the file does not open with the format's marker";
    return false;
  }
  int64_t count = Int32At(bytes, 4);
  if (count < 0 || count > static_cast<int64_t>(kMaxPlanPoints)) {
    problem = "the header announces " + std::to_string(count) + " waypoints, not 0 to " +
              std::to_string(kMaxPlanPoints);
    return false;
  }
  std::size_t expected = kPlannerFileHeaderBytes + static_cast<std::size_t>(count) * kEntryBytes;
  if (bytes.size() != expected) {
    problem = "the header announces " + std::to_string(count) + " waypoints in " + std::to_string(expected) +
              " bytes, the file has " + std::to_string(bytes.size());
    return false;
  }
  return ReadPlannerRecords(bytes, kEntryBytes, kNavCodes, plan, problem);
}

}  // namespace

const PlanReader kNavReader = {"nav", "a Nav Flight Planner plan (.pln)", Recognizes, Read, true};
