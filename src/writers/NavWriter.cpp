// Writer of export type NAV: an 8-byte header (format marker and entry count),
// then one entry per row, a Planner waypoint record followed by a 256-byte text
// block; the header belongs to the first entry's block.
#include "writers/NavWriter.h"

#include <cstring>

#include "writers/PlannerRecord.h"

namespace {

constexpr int32_t kNavFormatMarker = 10020;

constexpr PlannerTypeCode kNavLetterCodes[] = {{'A', 4}, {'I', 13}, {'N', 1}, {'V', 3}};
constexpr PlannerTypeCodeTable kNavTypeCodes = {kNavLetterCodes, 9};

constexpr std::size_t kNavTextBlockSize = 256;
// The text block's content, with its terminating zero; blanks fill the rest.
constexpr char kNavTextBlockText[] = "no file";

void WriteNavTextBlock(PlanStream& out) {
  unsigned char block[kNavTextBlockSize];
  std::memset(block, ' ', sizeof block);
  std::memcpy(block, kNavTextBlockText, sizeof kNavTextBlockText);
  out.WriteBytes(block, sizeof block);
}

}  // namespace

void WriteNavPlan(const PlanInput& plan, PlanStream& out) {
  const RouteTable& route = plan.route;
  WritePlannerHeader(out, kNavFormatMarker, static_cast<int32_t>(route.waypointCount));
  for (uint32_t i = 0; i < route.waypointCount; ++i) {
    WritePlannerRecord(out, route.rows[i], kNavTypeCodes);
    WriteNavTextBlock(out);
    if (!out.BlockWritten()) return;
  }
}

const PlanReadBack kNavReadBack = {};
