// The airport/runway data file read once into memory: each identifier's first
// usable line, kept as read, so that a whole batch of lookups costs one reading
// of the file instead of one per airport.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "host/FileSystem.h"
#include "route/AirportLine.h"
#include "route/AirportScan.h"

class AirportIndex {
 public:
  // Reads `file` from its current position as FindAirportLine reads it, to its
  // end or to its first failed read, and keeps the first usable line of every
  // identifier (see IsUsableAirportLine). Whatever the index held is dropped.
  // Building is linear in the file; memory grows with the lines kept.
  void Read(InputFile& file);

  // What FindAirportLine would have answered for `ident` on the file as Read met
  // it, found in constant time on average: Found with `fields` split from the
  // identifier's first usable line; else ReadError when the reading failed
  // (the line might have come after the failure), else NotFound.
  AirportScanResult Find(const char* ident, AirportLine& fields) const;

 private:
  // A copy of `line` (zero-terminated) that lives as long as the index.
  const char* Keep(const char* line, std::size_t size);

  std::unordered_map<uint64_t, const char*> lines_;  // packed identifier to its line
  std::vector<std::unique_ptr<char[]>> blocks_;       // the kept lines, packed
  std::size_t blockUsed_ = 0;
  bool readFailed_ = false;
};
