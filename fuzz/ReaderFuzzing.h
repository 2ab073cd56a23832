// What the readers' fuzz targets share: the route build's ports in memory (the
// tests' fake file system, a message port that answers every question with No,
// no file dialog), the fault report, and the check of the text-mode reader
// against the character-by-character reference.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/NoFileDialogs.h"
#include "host/MessagePort.h"
#include "route/AirportSource.h"
#include "route/RouteBuild.h"
#include "support/FakeEnvironment.h"
#include "support/FakeFileSystem.h"

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
  FakeFileSystem files;
  FakeEnvironment environment;
  NoFileDialogs dialogs;
  ScanningAirportSource airports;
};

// Reads `bytes` with TextLineReader in pieces of `pieceLength`, the file handing
// out at most `readChunk` bytes per read (0: no limit), and requires exactly the
// pieces of ReferencePieces.
void RequireReferencePieces(const std::string& bytes, std::size_t pieceLength, std::size_t readChunk);

// Requires every row and text of the table to lie within its field.
void RequireRouteWithinFields(const RouteTable& route);

// Requires the runway list's entries and proposal to lie within their fields.
void RequireRunwaysWithinFields(const RunwayList& runways);
