// The binary plans of the Super Flight Planner and the Nav Flight Planner: an
// 8-byte header of two little-endian 32-bit values, then 197-byte waypoint
// records (type code, latitude, longitude, altitude, frequency as doubles,
// ident in 6 bytes, name in 31, planner values, reserved bytes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "route/PlanPoints.h"

constexpr std::size_t kPlannerFileHeaderBytes = 8;
constexpr std::size_t kPlannerRecordBytes = 197;

// One type code of a format and the kind it stands for.
struct PlannerKindCode {
  int32_t code;
  PointKind kind;
};

// The little-endian 32-bit value at `offset` of `bytes` (which must hold 4 bytes there).
int32_t Int32At(std::string_view bytes, std::size_t offset);

// True when `bytes` hold a header whose first value is `marker`.
bool HasPlannerMarker(std::string_view bytes, int32_t marker);

// Reads the record at `offset` (which must hold 197 bytes) into `point`: the
// kind its code has in `codes` (Unknown for a code not listed), the position,
// the altitude, the ident up to its first zero byte and the name likewise, both
// Windows-1252 turned into UTF-8. False, with `problem` ("record 3 (TRA): the
// latitude 91.500000 is out of range"), for a position or altitude that is no
// finite number or out of range. `number` counts the records from 1.
bool ReadPlannerRecord(std::string_view bytes, std::size_t offset, std::size_t number,
                       std::span<const PlannerKindCode> codes, PlanPoint& point, std::string& problem);

// Reads the records that start every `stride` bytes after the header, to the end
// of `bytes` (whose length the caller has checked), into `plan` as above; false
// with `problem` for the first that cannot be read or beyond kMaxPlanPoints.
bool ReadPlannerRecords(std::string_view bytes, std::size_t stride, std::span<const PlannerKindCode> codes,
                        PlanPoints& plan, std::string& problem);
