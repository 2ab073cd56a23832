// Reads a text file as Windows text mode reads it, on every platform: a CR
// directly before a LF is dropped, and lines come in pieces of at most a fixed
// number of characters, exactly as fgets hands them out with a buffer one larger.
#pragma once

#include <cstddef>
#include <memory>

#include "host/FileSystem.h"

// One piece of a line: its characters without the line feed, and whether the
// line feed follows (a piece as fgets gives it is `text`, then "\n" if endsLine).
// `text` points into the reader and stays valid until its next call.
struct TextPiece {
  const char* text;
  std::size_t length;
  bool endsLine;
};

// Copies `piece` as fgets would have stored it: its characters, "\n" when it ends
// its line, and the terminating zero. `line` holds piece.length + 2 bytes.
void CopyPieceAsLine(const TextPiece& piece, char* line);

enum class ReadStatus { Piece, End, Error };

class TextLineReader {
 public:
  // Reads `file` from its current position in pieces of at most `pieceLength`
  // characters (line feed included), holding one buffer of `blockSize` bytes,
  // which must exceed `pieceLength`.
  TextLineReader(InputFile& file, std::size_t pieceLength, std::size_t blockSize);

  // The next piece. End when the file has no more characters; Error when a read
  // failed before the piece was complete (the pieces before it were delivered).
  ReadStatus Next(TextPiece& piece);

  // The next piece as a zero-terminated text, line feed included, in `line`,
  // which holds `pieceLength` + 1 bytes.
  ReadStatus ReadLine(char* line);

  // The bytes read ahead and not yet handed out, from which the next piece starts.
  const char* UnreadBegin() const { return next_; }
  const char* UnreadEnd() const { return end_; }

  // Passes over every whole line of the unread bytes that ends before `limit`
  // (a position within them): the next piece is then the first after the last
  // line feed before `limit`. A search can so skip what cannot hold its match.
  void SkipLinesBefore(const char* limit);

 private:
  // Cuts the next piece from the bytes read, when they decide it.
  bool CutPiece(TextPiece& piece);
  // Moves the unread rest to the buffer's start and reads behind it. False when
  // the file has nothing more to give (end or error).
  bool Refill();

  InputFile& file_;
  std::size_t pieceLength_;
  std::size_t blockSize_;
  std::unique_ptr<char[]> block_;
  const char* next_;     // first unread byte
  const char* end_;      // end of the bytes read
  bool exhausted_ = false;
};
