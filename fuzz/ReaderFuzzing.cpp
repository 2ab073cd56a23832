// The shared checks of the readers' fuzz targets.
#include "ReaderFuzzing.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "route/TextLineReader.h"
#include "support/ReferenceReaders.h"

void FuzzFailure(const char* what) {
  std::fprintf(stderr, "broken promise: %s\n", what);
  __builtin_trap();
}

void RequireReferencePieces(const std::string& bytes, std::size_t pieceLength, std::size_t readChunk) {
  FakeFileSystem files;
  files.files["file"] = bytes;
  files.readChunk = readChunk;
  std::unique_ptr<InputFile> file = files.OpenForReading("file");
  TextLineReader reader(*file, pieceLength, pieceLength + 1 + readChunk % 7);
  std::vector<std::string> expected = ReferencePieces(bytes, pieceLength);
  std::size_t index = 0;
  TextPiece piece;
  ReadStatus status;
  while ((status = reader.Next(piece)) == ReadStatus::Piece) {
    Require(index < expected.size(), "a piece more than fgets gives");
    std::string text = std::string(piece.text, piece.length) + (piece.endsLine ? "\n" : "");
    Require(text == expected[index], "a piece differs from fgets's");
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
