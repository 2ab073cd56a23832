// An identifier has at most 5 bytes and no NUL, so it packs into one 64-bit key
// that no other identifier shares. The kept lines share large blocks rather than
// taking an allocation each, which keeps the bundled data's index small.
#include "route/AirportIndex.h"

#include <cstring>

#include "route/TextLineReader.h"

namespace {

constexpr std::size_t kKeptBlockSize = 64 * 1024;  // many lines of at most 512 bytes

// `ident` packed into `key`; false for an identifier no line can have (empty, or
// longer than 5 characters).
bool PackIdent(const char* ident, uint64_t& key) {
  std::size_t length = std::strlen(ident);
  if (length == 0 || length > kIdentLength) return false;
  key = 0;
  std::memcpy(&key, ident, length);
  return true;
}

}  // namespace

void AirportIndex::Read(InputFile& file) {
  lines_.clear();
  blocks_.clear();
  blockUsed_ = 0;
  TextLineReader reader(file, kAirportPieceLength, kAirportBlockSize);
  TextPiece piece;
  ReadStatus status;
  while ((status = reader.Next(piece)) == ReadStatus::Piece) {
    char line[kAirportPieceLength + 1];
    CopyPieceAsLine(piece, line);
    char ident[kIdentLength + 1];
    uint64_t key = 0;
    if (!FindUsableIdent(line, ident) || !PackIdent(ident, key)) continue;
    // The first usable line of an identifier wins; later ones are never met.
    auto [entry, added] = lines_.try_emplace(key, nullptr);
    if (added) entry->second = Keep(line, std::strlen(line) + 1);
  }
  // The lines before a failed read are kept: the scan would have found them too.
  readFailed_ = status == ReadStatus::Error;
}

AirportScanResult AirportIndex::Find(const char* ident, AirportLine& fields) const {
  uint64_t key = 0;
  auto entry = PackIdent(ident, key) ? lines_.find(key) : lines_.end();
  if (entry == lines_.end()) return readFailed_ ? AirportScanResult::ReadError : AirportScanResult::NotFound;
  SplitAirportLine(entry->second, fields);
  return AirportScanResult::Found;
}

const char* AirportIndex::Keep(const char* line, std::size_t size) {
  if (blocks_.empty() || kKeptBlockSize - blockUsed_ < size) {
    // new char[] leaves the block uninitialised, as only filled bytes are read.
    blocks_.emplace_back(new char[kKeptBlockSize]);
    blockUsed_ = 0;
  }
  char* kept = blocks_.back().get() + blockUsed_;
  std::memcpy(kept, line, size);
  blockUsed_ += size;
  return kept;
}
