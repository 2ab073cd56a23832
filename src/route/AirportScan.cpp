// The identifier is compared before anything is split: a piece is split only when
// its first word is the wanted ident, so a scan costs little more than finding
// the line ends.
#include "route/AirportScan.h"

#include <cstring>

#include "route/ScanfFields.h"
#include "route/TextLineReader.h"

namespace {

// True when the piece, read as sscanf reads a text, begins with `ident` as a
// whole word. A piece that passes may still be unusable; one that fails never is.
bool BeginsWithIdent(const TextPiece& piece, const char* ident, std::size_t identLength) {
  std::size_t start = 0;
  while (start < piece.length && IsScanfSpace(piece.text[start])) ++start;
  if (piece.length - start < identLength) return false;
  if (std::memcmp(piece.text + start, ident, identLength) != 0) return false;
  std::size_t after = start + identLength;
  return after == piece.length || piece.text[after] == '\0' || IsScanfSpace(piece.text[after]);
}

}  // namespace

AirportScanResult FindAirportLine(InputFile& file, const char* ident, AirportLine& fields) {
  std::size_t identLength = std::strlen(ident);
  bool identCanMatch = identLength > 0 && identLength <= kIdentLength;
  TextLineReader reader(file, kAirportPieceLength, kAirportBlockSize);
  TextPiece piece;
  for (;;) {
    ReadStatus status = reader.Next(piece);
    if (status == ReadStatus::End) return AirportScanResult::NotFound;
    if (status == ReadStatus::Error) return AirportScanResult::ReadError;
    if (!identCanMatch || !BeginsWithIdent(piece, ident, identLength)) continue;
    char line[kAirportPieceLength + 1];
    CopyPieceAsLine(piece, line);
    SplitAirportLine(line, fields);
    if (IsUsableAirportLine(fields, ident)) return AirportScanResult::Found;
  }
}
