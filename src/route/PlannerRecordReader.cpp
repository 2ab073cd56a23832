// Every field is assembled byte by byte in little-endian order, so the reading is
// the same on every host; no struct is ever laid over the bytes.
#include "route/PlannerRecordReader.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "route/PointFields.h"
#include "route/TextEncoding.h"

namespace {

constexpr std::size_t kLatitudeAt = 4;
constexpr std::size_t kLongitudeAt = 12;
constexpr std::size_t kAltitudeAt = 20;
constexpr std::size_t kIdentAt = 36;
constexpr std::size_t kIdentWidth = 6;
constexpr std::size_t kNameAt = 42;
constexpr std::size_t kNameWidth = 31;

uint64_t LittleEndianAt(std::string_view bytes, std::size_t offset, std::size_t count) {
  uint64_t value = 0;
  for (std::size_t i = count; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

double DoubleAt(std::string_view bytes, std::size_t offset) {
  uint64_t bits = LittleEndianAt(bytes, offset, 8);
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// The text of a fixed-width field: its bytes up to the first zero.
std::string_view TextAt(std::string_view bytes, std::size_t offset, std::size_t width) {
  std::string_view field = bytes.substr(offset, width);
  return field.substr(0, field.find('\0'));
}

std::string Number(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6f", value);
  return text;
}

// The double at `offset` as `what`, within -limit..limit (no limit when 0).
bool ReadValue(std::string_view bytes, std::size_t offset, const char* what, double limit, double& value,
               std::string& problem) {
  value = DoubleAt(bytes, offset);
  if (!std::isfinite(value)) {
    problem = std::string("the ") + what + " is no number";
    return false;
  }
  if (limit > 0 && !(value >= -limit && value <= limit)) {
    problem = std::string("the ") + what + " " + Number(value) + " is out of range";
    return false;
  }
  return true;
}

}  // namespace

int32_t Int32At(std::string_view bytes, std::size_t offset) {
  return static_cast<int32_t>(static_cast<uint32_t>(LittleEndianAt(bytes, offset, 4)));
}

bool HasPlannerMarker(std::string_view bytes, int32_t marker) {
  return bytes.size() >= kPlannerFileHeaderBytes && Int32At(bytes, 0) == marker;
}

bool ReadPlannerRecord(std::string_view bytes, std::size_t offset, std::size_t number,
                       std::span<const PlannerKindCode> codes, PlanPoint& point, std::string& problem) {
  point = PlanPoint{Utf8FromWindows1252(TextAt(bytes, offset + kIdentAt, kIdentWidth)), PointKind::Unknown, 0.0, 0.0,
                    true, 0.0, Utf8FromWindows1252(TextAt(bytes, offset + kNameAt, kNameWidth))};
  int32_t code = Int32At(bytes, offset);
  for (const PlannerKindCode& known : codes) {
    if (known.code == code) point.kind = known.kind;
  }
  if (ReadValue(bytes, offset + kLatitudeAt, "latitude", 90.0, point.latitude, problem) &&
      ReadValue(bytes, offset + kLongitudeAt, "longitude", 180.0, point.longitude, problem) &&
      ReadValue(bytes, offset + kAltitudeAt, "altitude", 0.0, point.altitudeFeet, problem)) {
    return true;
  }
  problem = "record " + std::to_string(number) + " (" + point.ident + "): " + problem;
  return false;
}

bool ReadPlannerRecords(std::string_view bytes, std::size_t stride, std::span<const PlannerKindCode> codes,
                        PlanPoints& plan, std::string& problem) {
  for (std::size_t offset = kPlannerFileHeaderBytes; offset + kPlannerRecordBytes <= bytes.size(); offset += stride) {
    PlanPoint point;
    if (!ReadPlannerRecord(bytes, offset, plan.points.size() + 1, codes, point, problem) ||
        !AddPoint(plan, std::move(point), problem)) {
      return false;
    }
  }
  return true;
}
