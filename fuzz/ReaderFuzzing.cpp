// The shared checks of the readers' fuzz targets.
#include "ReaderFuzzing.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "route/TextLineReader.h"
#include "writers/OutputPath.h"

void FuzzFailure(const char* what) {
  std::fprintf(stderr, "broken promise: %s\n", what);
  __builtin_trap();
}

void RequireReferencePieces(std::string_view bytes, const std::vector<std::string>& expected,
                            std::size_t pieceLength, std::size_t readChunk) {
  MemoryFiles files;
  files.Put("file", bytes);
  files.readChunk = readChunk;
  std::unique_ptr<InputFile> file = files.OpenForReading("file");
  TextLineReader reader(*file, pieceLength, pieceLength + 1 + readChunk % 7);
  std::size_t index = 0;
  TextPiece piece;
  ReadStatus status;
  while ((status = reader.Next(piece)) == ReadStatus::Piece) {
    Require(index < expected.size(), "a piece more than fgets gives");
    const std::string& want = expected[index];
    Require(want.size() == piece.length + (piece.endsLine ? 1 : 0) &&
                std::memcmp(want.data(), piece.text, piece.length) == 0 && (!piece.endsLine || want.back() == '\n'),
            "a piece differs from fgets's");
    ++index;
  }
  Require(status == ReadStatus::End, "a read error without a fault");
  Require(index == expected.size(), "a piece fewer than fgets gives");
}

namespace {

bool WithinField(const char* text, std::size_t size) { return std::memchr(text, '\0', size) != nullptr; }

}  // namespace

void RequireRouteWithinFields(const RouteTable& route) {
  Require(route.waypointCount <= static_cast<uint32_t>(kMaxWaypoints), "more than 32 rows");
  for (const WaypointRow& row : route.rows) {
    Require(WithinField(row.ident, sizeof row.ident), "an ident overran its field");
    Require(WithinField(row.name, sizeof row.name), "a name overran its field");
  }
  Require(WithinField(route.routeText, sizeof route.routeText), "the route text overran its field");
}

void RequireRunwaysWithinFields(const RunwayList& runways) {
  Require(WithinField(runways.proposed, sizeof runways.proposed), "a runway overran its field");
  for (const std::string& entry : runways.entries) {
    Require(entry.size() <= static_cast<std::size_t>(kAirportWordLength) + 1, "a runway entry too long");
  }
}

BuiltRoute RequireSoundBuild(std::string_view source, std::string_view airportData) {
  constexpr const char* kSourcePath = "route.txt";
  constexpr const char* kAirportPath = "Fsb_apts.txt";
  FuzzPorts fuzz;
  RouteRequest request{kSourcePath, kSourcePath, {}};
  std::snprintf(request.airportFile.path, kPathSize, "%s", kAirportPath);
  fuzz.files.Put(kSourcePath, source);
  fuzz.files.Put(kAirportPath, airportData);
  const BuiltRoute built = BuildRoute(request, fuzz.Route());
  const RouteTable& route = built.route;
  RequireRouteWithinFields(route);
  RequireRunwaysWithinFields(built.departureRunways);
  RequireRunwaysWithinFields(built.destinationRunways);
  Require(fuzz.files.openInputs == 0, "a file left open");
  if (built.outcome != RouteOutcome::Built) return built;
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
  return built;
}
