// The scan never splits a line to learn that it is the wrong one: it searches the
// block for the identifier itself, led by the identifier's rarest byte (memchr
// runs through a block far faster than a line-by-line walk), passes over every
// whole line before the first occurrence, and compares the identifier at the
// start of the pieces from there on. Only a piece that begins with it is split.
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
  if (piece.text[start] != ident[0] || std::memcmp(piece.text + start, ident, identLength) != 0) return false;
  std::size_t after = start + identLength;
  return after == piece.length || piece.text[after] == '\0' || IsScanfSpace(piece.text[after]);
}

// Finds the identifier's bytes in the raw bytes of a block, wherever they stand.
// An identifier that no line can hold (empty, or longer than 5) is never found.
class IdentSearch {
 public:
  IdentSearch(const char* ident, std::size_t length)
      : ident_(ident), length_(length), canMatch_(length > 0 && length <= kIdentLength) {}

  bool CanMatch() const { return canMatch_; }

  // Leads the search by the identifier's byte that is rarest in a sample of the
  // file, its first bytes `begin`..`end`.
  void LearnFrom(const char* begin, const char* end) {
    constexpr std::size_t kSampleSize = 16 * 1024;
    if (static_cast<std::size_t>(end - begin) > kSampleSize) end = begin + kSampleSize;
    if (!canMatch_) return;
    std::size_t counts[256] = {};
    for (const char* c = begin; c < end; ++c) ++counts[static_cast<unsigned char>(*c)];
    for (std::size_t index = 1; index < length_; ++index) {
      if (counts[static_cast<unsigned char>(ident_[index])] <
          counts[static_cast<unsigned char>(ident_[leadIndex_])]) {
        leadIndex_ = index;
      }
    }
  }

  // The first occurrence lying wholly within `begin`..`end`, or null.
  const char* Find(const char* begin, const char* end) const {
    if (!canMatch_ || static_cast<std::size_t>(end - begin) < length_) return nullptr;
    const char lead = ident_[leadIndex_];
    const char* cursor = begin + leadIndex_;
    const char* lastLead = end - (length_ - leadIndex_);  // the lead of an occurrence ending at `end`
    while (cursor <= lastLead) {
      const char* hit = static_cast<const char*>(std::memchr(cursor, lead, lastLead - cursor + 1));
      if (hit == nullptr) return nullptr;
      const char* start = hit - leadIndex_;
      if (std::memcmp(start, ident_, length_) == 0) return start;
      cursor = hit + 1;
    }
    return nullptr;
  }

 private:
  const char* ident_;
  std::size_t length_;
  bool canMatch_;
  std::size_t leadIndex_ = 0;
};

// Passes over the unread whole lines that end before the first occurrence of the
// identifier: none of their pieces can begin with it. An occurrence cut by the
// block's end lies in a line that has not ended yet, which is never passed over.
void SkipLinesWithoutIdent(TextLineReader& reader, const IdentSearch& search) {
  const char* occurrence = search.Find(reader.UnreadBegin(), reader.UnreadEnd());
  reader.SkipLinesBefore(occurrence != nullptr ? occurrence : reader.UnreadEnd());
}

}  // namespace

AirportScanResult FindAirportLine(InputFile& file, const char* ident, AirportLine& fields) {
  std::size_t identLength = std::strlen(ident);
  // An ident no line can hold is still looked for through the whole file, so a
  // read error shows as it would for any other.
  IdentSearch search(ident, identLength);
  TextLineReader reader(file, kAirportPieceLength, kAirportBlockSize);
  bool learned = false;
  TextPiece piece;
  for (;;) {
    if (learned) SkipLinesWithoutIdent(reader, search);
    ReadStatus status = reader.Next(piece);
    if (status == ReadStatus::End) return AirportScanResult::NotFound;
    if (status == ReadStatus::Error) return AirportScanResult::ReadError;
    if (!learned) {
      search.LearnFrom(piece.text, reader.UnreadEnd());
      learned = true;
    }
    if (!search.CanMatch() || !BeginsWithIdent(piece, ident, identLength)) continue;
    char line[kAirportPieceLength + 1];
    CopyPieceAsLine(piece, line);
    SplitAirportLine(line, fields);
    if (IsUsableAirportLine(fields, ident)) return AirportScanResult::Found;
  }
}
