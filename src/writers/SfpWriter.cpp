// Writer of export type SFP: an 8-byte header (format marker and file length),
// then one Planner waypoint record per row; the header belongs to the first
// record's block.
#include "writers/SfpWriter.h"

#include "writers/PlannerRecord.h"

namespace {

constexpr int32_t kSfpFormatMarker = 135040;

// Intersections have no code of their own in this format.
constexpr PlannerTypeCode kSfpLetterCodes[] = {{'A', 4}, {'N', 1}, {'V', 3}};
constexpr PlannerTypeCodeTable kSfpTypeCodes = {kSfpLetterCodes, 9};

int32_t SfpFileLength(uint32_t recordCount) {
  return static_cast<int32_t>(kPlannerHeaderSize + kPlannerRecordSize * recordCount);
}

}  // namespace

void WriteSfpPlan(const PlanInput& plan, PlanStream& out) {
  const RouteTable& route = plan.route;
  WritePlannerHeader(out, kSfpFormatMarker, SfpFileLength(route.waypointCount));
  for (uint32_t i = 0; i < route.waypointCount; ++i) {
    WritePlannerRecord(out, route.rows[i], kSfpTypeCodes);
    if (!out.BlockWritten()) return;
  }
}

const PlanReadBack kSfpReadBack = {};
