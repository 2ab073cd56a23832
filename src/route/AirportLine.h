// The lines of the airport/runway data file: identifier, name, elevation, two
// words read over and up to ten runway fields, split like
// "%5s %50s %d %s %s %s %s %s %s %s %s %s %s %s %s".
#pragma once

#include <cstdint>

#include "route/RouteTable.h"

constexpr int kAirportWordLength = 50;    // width kept of every word after the elevation
constexpr int kAirportWordCount = 12;     // the two words read over and the runway fields
constexpr int kFieldsBeforeRunways = 5;
constexpr int kWordsReadOver = 2;         // fields 4 and 5
constexpr int kMaxRunwayFields = 10;

struct AirportLine {
  int assigned;                           // as sscanf counts; -1 when the line holds no field
  char ident[kIdentLength + 1];
  char name[kNameLength + 1];
  int32_t elevation;                      // feet
  char words[kAirportWordCount][kAirportWordLength + 1];  // fields 4 to 15
  bool identCut;                          // the identifier's word goes on past 5 characters
  bool nameCut;                           // the name's word goes on past 50 characters
};

// Splits `line` (zero-terminated) into `fields` exactly as sscanf with the format
// above would, widths included: a word cut by "%5s" or "%50s" goes on as the next
// field. Words after the elevation are whole words of which the first 50
// characters are kept. An elevation beyond the 32-bit range is clamped.
void SplitAirportLine(const char* line, AirportLine& fields);

// The runway fields of a split line: those the split assigned after the fifth.
int RunwayFieldCount(const AirportLine& fields);
inline const char* RunwayField(const AirportLine& fields, int index) {
  return fields.words[kWordsReadOver + index];
}

// True when the line is usable as the airport `ident`: its identifier is that
// ident, and neither identifier nor name is longer than its field. A line whose
// words overflow their fields is passed over, never cut into a false match.
bool IsUsableAirportLine(const AirportLine& fields, const char* ident);

// The identifier under which `line` (zero-terminated) is usable, as
// IsUsableAirportLine judges its split: true and `ident` set when the line has an
// identifier of at most 5 characters and a name of at most 50. Reads no further
// than the name, so an index can learn every line's identifier cheaply.
bool FindUsableIdent(const char* line, char (&ident)[kIdentLength + 1]);
