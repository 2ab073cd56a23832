// What the readers' fuzz targets share: an App over in-memory ports (the tests'
// fakes of the file system and the window, a message port that answers every
// question with No), the fault report, and the check of the text-mode reader
// against the character-by-character reference.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "App.h"
#include "host/MessagePort.h"
#include "support/FakeFileSystem.h"
#include "support/FakeWindow.h"

// Reports a broken promise of the readers and stops the fuzzer with its input.
[[noreturn]] void FuzzFailure(const char* what);

inline void Require(bool condition, const char* what) {
  if (!condition) FuzzFailure(what);
}

class QuietMessages : public MessagePort {
 public:
  MessageAnswer ShowMessage(const char*, MessageKind, MessageButtons) override { return MessageAnswer::No; }
};

struct FuzzApp {
  FuzzApp();
  FuzzApp(const FuzzApp&) = delete;
  FuzzApp& operator=(const FuzzApp&) = delete;

  QuietMessages messages;
  FakeWindow window;
  FakeFileSystem files;
  App app{};
};

// Reads `bytes` with TextLineReader in pieces of `pieceLength`, the file handing
// out at most `readChunk` bytes per read (0: no limit), and requires exactly the
// pieces of ReferencePieces.
void RequireReferencePieces(const std::string& bytes, std::size_t pieceLength, std::size_t readChunk);

// Requires every row, text and runway of the table to lie within its field.
void RequireRouteWithinFields(const RouteTable& route);
