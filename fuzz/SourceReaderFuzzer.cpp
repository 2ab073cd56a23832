// The source reader over arbitrary bytes, as a damaged or foreign "Generic Text
// format" export would reach it. Beyond the sanitizers' checks: the pieces are
// exactly fgets's, every waypoint line is counted exactly as sscanf counts it, and
// a build keeps every field within its width and succeeds only with a sound route.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "ReaderFuzzing.h"
#include "route/SourceFile.h"
#include "route/WaypointLine.h"
#include "support/ReferenceReaders.h"

namespace {

constexpr std::string_view kAirportData =
    "LSZH Zurich 1416 CH 47.458 16_12139 28_8202-10_8202\r\nLSGG Geneva 1411 a b 05\r\n";

// ParseWaypointLine against sscanf itself, into buffers as long as the line.
void RequireSscanfFields(const std::string& line) {
  std::vector<char> ident(line.size() + 1);
  WaypointRow expected{};
  int count = std::sscanf(line.c_str(), "FWP %c %c %s %c %d %lf %c %d %lf %lf", &expected.firstCode, &expected.type,
                          ident.data(), &expected.latHemisphere, &expected.latDegrees, &expected.latMinutes,
                          &expected.lonHemisphere, &expected.lonDegrees, &expected.lonMinutes, &expected.altitude);
  WaypointRow row{};
  Require(ParseWaypointLine(line.c_str(), row) == count, "a waypoint line counted unlike sscanf");
  if (count >= 3) Require(std::strncmp(row.ident, ident.data(), kIdentLength) == 0, "an ident unlike sscanf's");
  if (count >= 3) Require(std::strlen(row.ident) <= static_cast<std::size_t>(kIdentLength), "an ident too long");
  if (count >= 9) {
    Require(row.latHemisphere == expected.latHemisphere && row.lonHemisphere == expected.lonHemisphere &&
                row.latDegrees == expected.latDegrees && row.lonDegrees == expected.lonDegrees &&
                std::memcmp(&row.latMinutes, &expected.latMinutes, sizeof(double)) == 0 &&
                std::memcmp(&row.lonMinutes, &expected.lonMinutes, sizeof(double)) == 0,
            "a coordinate unlike sscanf's");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  // The last byte (the first is the header's) picks the reads' chunk and the
  // piece length the text reader is checked in: the build's 256, or 3, which
  // cuts nearly every line.
  const std::size_t readChunk = size > 0 ? data[size - 1] % 5 : 0;
  const bool shortPieces = size > 0 && (data[size - 1] / 5) % 2 == 1;
  const std::vector<std::string> pieces = ReferencePieces(bytes, kSourcePieceLength);
  if (shortPieces) {
    RequireReferencePieces(bytes, ReferencePieces(bytes, 3), 3, readChunk);
  } else {
    RequireReferencePieces(bytes, pieces, kSourcePieceLength, readChunk);
  }
  for (const std::string& piece : pieces) RequireSscanfFields(piece);
  RequireSoundBuild(bytes, kAirportData);
  // The same bytes behind a valid header and leg line reach the waypoint reading.
  RequireSoundBuild("# FliteStar/FliteMap generated flight plan.\nFPL 1\nFWP W A LSZH N 47 27.48 E 8 32.88 1416\n" +
                        bytes + "\nFWP W A LSGG N 46 14.28 E 6 6.54 1411\n",
                    kAirportData);
  return 0;
}
