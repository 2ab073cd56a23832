// The scan of the airport/runway data file for one airport: a plain linear scan
// with no index and no cache, at the speed of the disk.
#pragma once

#include <cstddef>

#include "host/FileSystem.h"
#include "route/AirportLine.h"

constexpr std::size_t kAirportPieceLength = 511;       // characters per line read
constexpr std::size_t kAirportBlockSize = 64 * 1024;   // the one read buffer

enum class AirportScanResult { Found, NotFound, ReadError };

// Reads `file` from its start for the first usable line of `ident` (see
// IsUsableAirportLine), meeting exactly the lines that reading it line by line in
// pieces of 511 characters and splitting every one would meet, and splits that
// line into `fields`. Only pieces that begin with the ident are split. ReadError
// when a read failed before a usable line was found.
AirportScanResult FindAirportLine(InputFile& file, const char* ident, AirportLine& fields);
