// The plan readers over arbitrary bytes, as a damaged, hand-edited or foreign
// plan file would reach them: the kind found from the bytes and its reader, and
// one other reader, whatever the kind (the input's size picks which, so over a
// run every reader meets files of every kind). Beyond the sanitizers' checks: a
// refusal says what, and a plan read holds at most kMaxPlanPoints points, each at
// a position on the globe, its identifier and name in UTF-8. A plan its reader
// reads is also built into a route, as the window builds one from such a source.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "ReaderFuzzing.h"
#include "route/PlanReaders.h"

namespace {

// The ends of the seeds' routes, so that a plan of named airports builds.
constexpr std::string_view kAirportData =
    "LSZH Zurich 1416 CH 47.458 16_12139 28_8202-10_8202\r\n"
    "LSGG Geneva 1411 a b 05_12795 23_12795\r\n"
    "LFPO Paris-Orly 291 FR 48.72 06_11975 24_11975\r\n"
    "EDDF Frankfurt 364 DE 50.03 07C_13123 25C_13123\r\n"
    "KJFK New_York-Kennedy 13 US 40.63 04L_12079 22R_12079\r\n"
    "KBOS Boston-Logan 20 US 42.36 04R_10005 22L_10005\r\n";

[[noreturn]] void ReaderFailure(const PlanReader& reader, const char* what) {
  std::string text = std::string(reader.key) + ": " + what;
  FuzzFailure(text.c_str());
}

// The length of the UTF-8 sequence `lead` starts; 0 for a byte no sequence
// starts with (a continuation byte, an overlong lead, a lead beyond U+10FFFF).
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// True when `text` is well-formed UTF-8: no stray continuation byte, no
// truncated or overlong sequence, no surrogate, nothing beyond U+10FFFF.
bool IsUtf8(std::string_view text) {
  for (std::size_t index = 0; index < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[index]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || length > text.size() - index) return false;
    for (std::size_t next = 1; next < length; ++next) {
      if ((static_cast<unsigned char>(text[index + next]) & 0xC0) != 0x80) return false;
    }
    const unsigned char second = length > 1 ? static_cast<unsigned char>(text[index + 1]) : 0;
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second > 0x8F)) {
      return false;
    }
    index += length;
  }
  return true;
}

void RequireSoundPoints(const PlanReader& reader, const PlanPoints& plan) {
  if (plan.points.size() > kMaxPlanPoints) ReaderFailure(reader, "more points than kMaxPlanPoints");
  for (const PlanPoint& point : plan.points) {
    if (!(point.latitude >= -90.0 && point.latitude <= 90.0)) ReaderFailure(reader, "a latitude off the globe");
    if (!(point.longitude >= -180.0 && point.longitude <= 180.0)) ReaderFailure(reader, "a longitude off the globe");
    if (point.hasAltitude && !std::isfinite(point.altitudeFeet)) ReaderFailure(reader, "an altitude not finite");
    if (!IsUtf8(point.ident) || !IsUtf8(point.name)) ReaderFailure(reader, "a point's text not UTF-8");
  }
}

// Reads `bytes` with `reader` and requires a sound plan or a refusal that says
// what. True when the reader read the plan.
bool RequireSoundReading(const PlanReader& reader, std::string_view bytes) {
  PlanPoints plan;
  std::string problem;
  if (!reader.read(bytes, plan, problem)) {
    if (problem.empty()) ReaderFailure(reader, "a refusal that says nothing");
    return false;
  }
  RequireSoundPoints(reader, plan);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::span<const PlanReader* const> readers = PlanReaders();
  const PlanReader* other = readers[size % readers.size()];
  const PlanReader* recognized = RecognizePlan(bytes);
  if (other != recognized) RequireSoundReading(*other, bytes);
  if (recognized != nullptr && RequireSoundReading(*recognized, bytes)) RequireSoundBuild(bytes, kAirportData);
  return 0;
}
