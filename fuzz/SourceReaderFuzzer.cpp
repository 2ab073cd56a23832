// The source reader over arbitrary bytes, as a damaged or foreign "Generic Text
// format" export would reach it. Beyond the sanitizers' checks: the pieces are
// exactly fgets's, every waypoint line is counted exactly as sscanf counts it, and
// a build keeps every field within its width and succeeds only with a sound route.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ReaderFuzzing.h"
#include "route/RouteBuild.h"
#include "route/WaypointLine.h"
#include "writers/OutputPath.h"
#include "support/ReferenceReaders.h"

namespace {

bool WithinField(const char* text, std::size_t size) { return std::memchr(text, '\0', size) != nullptr; }

constexpr const char* kSourcePath = "route.txt";
constexpr const char* kAirportPath = "Fsb_apts.txt";

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

void RequireSoundBuild(const std::string& source) {
  FuzzPorts fuzz;
  RouteRequest request{kSourcePath, kSourcePath, {}};
  std::snprintf(request.airportFile.path, kPathSize, "%s", kAirportPath);
  fuzz.files.files[kSourcePath] = source;
  fuzz.files.files[kAirportPath] = "LSZH Zurich 1416 CH 47.458 16_12139 28_8202-10_8202\r\nLSGG Geneva 1411 a b 05\r\n";
  const BuiltRoute built = BuildRoute(request, fuzz.Route());
  const RouteTable& route = built.route;
  RequireRouteWithinFields(route);
  RequireRunwaysWithinFields(built.departureRunways);
  RequireRunwaysWithinFields(built.destinationRunways);
  Require(fuzz.files.openInputs == 0, "a file left open");
  if (built.outcome != RouteOutcome::Built) return;
  Require(route.waypointCount >= 2, "a route of fewer than two items");
  Require(DepartureRow(route).type == 'A' && DestinationRow(route).type == 'A', "a route not between airports");
  std::string routeText;
  for (uint32_t index = 0; index < route.waypointCount; ++index) {
    routeText += std::string(index > 0 ? "-" : "") + route.rows[index].ident;
  }
  Require(routeText == route.routeText, "a route text other than the idents joined");
  // Named after the airports, as the window names it.
  char path[kPathSize] = "";
  char name[kPathSize] = "";
  MakeOutputPath({kNameFromAirportNames, kSourcePath, &route}, "out", ".pln", path, name);
  Require(WithinField(path, kPathSize) && WithinField(name, kPathSize), "the destination overran its buffer");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::size_t readChunk = size > 0 ? data[0] % 5 : 0;
  RequireReferencePieces(bytes, 256, readChunk);
  RequireReferencePieces(bytes, 3, readChunk);
  for (const std::string& piece : ReferencePieces(bytes, 256)) RequireSscanfFields(piece.c_str());
  RequireSoundBuild(bytes);
  // The same bytes behind a valid header and leg line reach the waypoint reading.
  RequireSoundBuild("# FliteStar/FliteMap generated flight plan.\nFPL 1\nFWP W A LSZH N 47 27.48 E 8 32.88 1416\n" +
                    bytes + "\nFWP W A LSGG N 46 14.28 E 6 6.54 1411\n");
  return 0;
}
