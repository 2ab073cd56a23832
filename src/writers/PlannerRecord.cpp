// The binary waypoint record of the two planner formats, byte by byte.
#include "writers/PlannerRecord.h"

#include "writers/ByteWriter.h"

// The fields below fill the record exactly, with no gap and nothing left over.
static_assert(4 + 4 * 8 + kPlannerIdentWidth + kPlannerNameWidth + kPlannerValueCount * 8 +
                  kPlannerReservedWidth ==
              kPlannerRecordSize);

int32_t PlannerTypeCodeOf(char type, const PlannerTypeCodeTable& table) {
  for (const PlannerTypeCode& entry : table.letters) {
    if (entry.type == type) return entry.code;
  }
  return table.otherLetters;
}

void BuildPlannerRecord(const WaypointRow& row, const PlannerTypeCodeTable& codes, PlannerRecord& record) {
  ByteWriter fields(record.bytes, sizeof record.bytes);
  fields.PutInt32(PlannerTypeCodeOf(row.type, codes));
  fields.PutDouble(row.latitude);
  fields.PutDouble(row.longitude);
  fields.PutDouble(row.altitude);
  fields.PutDouble(row.frequency);
  fields.PutText(row.ident, kPlannerIdentWidth);
  fields.PutText(row.name, kPlannerNameWidth);
  for (double value : row.plannerValues) fields.PutDouble(value);
  fields.PutZeros(kPlannerReservedWidth);
}

void WritePlannerHeader(PlanStream& out, int32_t formatMarker, int32_t value) {
  unsigned char header[kPlannerHeaderSize];
  ByteWriter fields(header, sizeof header);
  fields.PutInt32(formatMarker);
  fields.PutInt32(value);
  out.WriteBytes(header, sizeof header);
}

void WritePlannerRecord(PlanStream& out, const WaypointRow& row, const PlannerTypeCodeTable& codes) {
  PlannerRecord record;
  BuildPlannerRecord(row, codes, record);
  out.WriteBytes(record.bytes, sizeof record.bytes);
}
