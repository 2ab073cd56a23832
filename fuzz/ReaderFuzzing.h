// What the readers' fuzz targets share: the route build's ports in memory (the
// files as views of the fuzzer's bytes, a message port that answers every
// question with No, no file dialog), the fault report, and the check of the
// text-mode reader against the character-by-character reference.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "MemoryFiles.h"
#include "cli/NoFileDialogs.h"
#include "host/MessagePort.h"
#include "route/AirportSource.h"
#include "route/RouteBuild.h"
#include "support/FakeEnvironment.h"

// Reports a broken promise of the readers and stops the fuzzer with its input.
[[noreturn]] void FuzzFailure(const char* what);

inline void Require(bool condition, const char* what) {
  if (!condition) FuzzFailure(what);
}

class QuietMessages : public MessagePort {
 public:
  MessageAnswer ShowMessage(const char*, MessageKind, MessageButtons) override { return MessageAnswer::No; }
};

struct FuzzPorts {
  FuzzPorts() = default;
  FuzzPorts(const FuzzPorts&) = delete;
  FuzzPorts& operator=(const FuzzPorts&) = delete;

  RoutePorts Route() { return {files, messages, environment, dialogs, airports}; }

  QuietMessages messages;
  MemoryFiles files;
  FakeEnvironment environment;
  NoFileDialogs dialogs;
  ScanningAirportSource airports;
};

// Reads `bytes` with TextLineReader in pieces of `pieceLength`, the file handing
// out at most `readChunk` bytes per read (0: no limit), and requires exactly
// `expected`, the pieces ReferencePieces gives for that length.
void RequireReferencePieces(std::string_view bytes, const std::vector<std::string>& expected,
                            std::size_t pieceLength, std::size_t readChunk);

// Requires every row and text of the table to lie within its field.
void RequireRouteWithinFields(const RouteTable& route);

// Requires the runway list's entries and proposal to lie within their fields.
void RequireRunwaysWithinFields(const RunwayList& runways);

// Builds the route from `source` with `airportData` as the data file, as the
// window builds it, and requires every field within its width and no file left
// open; a route built runs between airports over at least two items, its route
// text is its idents joined, and the plan named after its airports fits.
BuiltRoute RequireSoundBuild(std::string_view source, std::string_view airportData);
