// Pieces are cut from large blocks with memchr, so the scan runs at the speed of
// the copy from the disk cache; only a piece cut by the block's end is moved.
#include "route/TextLineReader.h"

#include <cstring>

TextLineReader::TextLineReader(InputFile& file, std::size_t pieceLength, std::size_t blockSize)
    : file_(file),
      pieceLength_(pieceLength),
      blockSize_(blockSize > pieceLength ? blockSize : pieceLength + 1),
      block_(new char[blockSize_]),  // uninitialised: only filled bytes are read
      next_(block_.get()),
      end_(block_.get()) {}

bool TextLineReader::CutPiece(TextPiece& piece) {
  std::size_t available = static_cast<std::size_t>(end_ - next_);
  // A piece is decided by its first pieceLength + 1 bytes: a line feed among
  // them (after at most pieceLength - 1 characters and a CR) ends it, else it
  // is full. The byte after a full piece tells whether a CR before it is kept.
  std::size_t window = available < pieceLength_ + 1 ? available : pieceLength_ + 1;
  const char* lineFeed = static_cast<const char*>(std::memchr(next_, '\n', window));
  if (lineFeed != nullptr) {
    std::size_t length = static_cast<std::size_t>(lineFeed - next_);
    std::size_t textLength = (length > 0 && lineFeed[-1] == '\r') ? length - 1 : length;
    if (textLength < pieceLength_) {
      piece = {next_, textLength, true};
      next_ = lineFeed + 1;
      return true;
    }
  } else if (available <= pieceLength_) {
    return false;
  }
  piece = {next_, pieceLength_, false};
  next_ += pieceLength_;
  return true;
}

ReadStatus TextLineReader::Next(TextPiece& piece) {
  for (;;) {
    if (CutPiece(piece)) return ReadStatus::Piece;
    if (!exhausted_ && Refill()) continue;
    if (file_.HasFailed()) return ReadStatus::Error;
    if (next_ == end_) return ReadStatus::End;
    // The last line ends without a line feed; a CR at its end is kept.
    piece = {next_, static_cast<std::size_t>(end_ - next_), false};
    next_ = end_;
    return ReadStatus::Piece;
  }
}

ReadStatus TextLineReader::ReadLine(char* line) {
  TextPiece piece;
  ReadStatus status = Next(piece);
  if (status == ReadStatus::Piece) {
    CopyPieceAsLine(piece, line);
  } else {
    line[0] = '\0';
  }
  return status;
}

void CopyPieceAsLine(const TextPiece& piece, char* line) {
  std::memcpy(line, piece.text, piece.length);
  std::size_t length = piece.length;
  if (piece.endsLine) line[length++] = '\n';
  line[length] = '\0';
}

void TextLineReader::SkipLinesBefore(const char* limit) {
  // Backwards from the limit the last line feed is usually a short line away.
  const char* lineStart = limit;
  while (lineStart > next_ && lineStart[-1] != '\n') --lineStart;
  next_ = lineStart;
}

bool TextLineReader::Refill() {
  std::size_t kept = static_cast<std::size_t>(end_ - next_);
  char* start = block_.get();
  std::memmove(start, next_, kept);
  next_ = start;
  end_ = start + kept;
  std::size_t count = file_.Read(start + kept, blockSize_ - kept);
  if (count == 0) {
    exhausted_ = true;
    return false;
  }
  end_ += count;
  return true;
}
