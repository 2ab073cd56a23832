// The Planner waypoint record: the fixed-layout 197-byte binary waypoint record
// shared by the Super Flight Planner and Nav Flight Planner plans, the type code
// table through which each of those formats names the waypoint types, and the
// 8-byte file header both formats open with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "route/RouteTable.h"
#include "writers/PlanStream.h"

constexpr std::size_t kPlannerHeaderSize = 8;
constexpr std::size_t kPlannerRecordSize = 197;
constexpr std::size_t kPlannerIdentWidth = 6;
constexpr std::size_t kPlannerNameWidth = 31;
constexpr std::size_t kPlannerReservedWidth = 12;

// One type letter and the code a format gives it.
struct PlannerTypeCode {
  char type;
  int32_t code;
};

// A format's Planner type code table: the letters it knows and the code of every
// other letter.
struct PlannerTypeCodeTable {
  std::span<const PlannerTypeCode> letters;
  int32_t otherLetters;
};

struct PlannerRecord {
  unsigned char bytes[kPlannerRecordSize];
};

// The code `table` gives the waypoint type letter `type`.
int32_t PlannerTypeCodeOf(char type, const PlannerTypeCodeTable& table);

// Lays `row` out as its record, little-endian and packed: at 0 the type code, at
// 4, 12, 20 and 28 latitude, longitude, altitude and frequency, at 36 the ident
// in 6 bytes, at 42 the first 31 bytes of the name (zero-filled, unterminated
// when 31 or longer), at 73 the 14 planner values, at 185 twelve zero bytes.
void BuildPlannerRecord(const WaypointRow& row, const PlannerTypeCodeTable& codes, PlannerRecord& record);

// Writes the 8-byte file header: the format's marker, then one more 32-bit value
// (the file length or the record count, as the format has it).
void WritePlannerHeader(PlanStream& out, int32_t formatMarker, int32_t value);

// Builds `row`'s record with `codes` and writes its 197 bytes.
void WritePlannerRecord(PlanStream& out, const WaypointRow& row, const PlannerTypeCodeTable& codes);
