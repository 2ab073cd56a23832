// Reader of Super Flight Planner's binary plans: the header's format marker and
// file length, then one Planner record per waypoint.
#include "route/SfpReader.h"

#include "route/PlannerRecordReader.h"

namespace {

constexpr int32_t kSfpFormatMarker = 135040;

// The format has no code of its own for intersections: 9 is any other point.
constexpr PlannerKindCode kSfpCodes[] = {
    {4, PointKind::Airport}, {1, PointKind::Ndb}, {3, PointKind::Vor}};

bool Recognizes(std::string_view bytes) { return HasPlannerMarker(bytes, kSfpFormatMarker); }

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  if (!Recognizes(bytes)) {
    problem = "the file does not open with the format's marker";
    return false;
  }
  int64_t length = Int32At(bytes, 4);
  if (length != static_cast<int64_t>(bytes.size())) {
    problem = "the header gives the file " + std::to_string(length) + " bytes, it has " + std::to_string(bytes.size());
    return false;
  }
  std::size_t recordBytes = bytes.size() - kPlannerFileHeaderBytes;
  if (recordBytes % kPlannerRecordBytes != 0) {
    problem = "the file's " + std::to_string(recordBytes) + " bytes after its header are no whole number of " +
              std::to_string(kPlannerRecordBytes) + "-byte records";
    return false;
  }
  return ReadPlannerRecords(bytes, kPlannerRecordBytes, kSfpCodes, plan, problem);
}

}  // namespace

const PlanReader kSfpReader = {"sfp", "a Super Flight Planner plan (.pln)", Recognizes, Read, true};
