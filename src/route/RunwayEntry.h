// The runway list entries of one runway field of the data file. A field's parts
// are its runs of characters other than '-'; each part gives one entry: its
// '_'-separated pieces (empty ones dropped), each followed by one blank. So
// "16_900" gives "16 900 " and "09-27" gives "09 " and "27 ".
#pragma once

#include <cstddef>

#include "route/AirportLine.h"

// Every piece of a 50-character field followed by its blank, and the zero.
constexpr std::size_t kRunwayEntrySize = kAirportWordLength + 2;

// Builds the entry of the next part of a runway field into `entry`
// (kRunwayEntrySize bytes), starting at `cursor` in the field. Returns where the
// following part starts, or null when the field has no further part that gives
// an entry (a part of '_' alone gives none).
const char* NextRunwayEntry(const char* cursor, char* entry);
