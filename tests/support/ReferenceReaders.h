// Plain, slow reference readers that the fast ones are checked against: the file
// read character by character as Windows text mode and fgets would read it, and
// the airport lines split by sscanf itself. Free of GoogleTest, so the fuzzers
// use them too.
#pragma once

#include <string>
#include <vector>

// The pieces fgets with a buffer of pieceLength + 1 hands out, after a CR before
// a LF has been dropped: each with its "\n" when it ends its line, NULs kept.
std::vector<std::string> ReferencePieces(const std::string& bytes, std::size_t pieceLength);

// An airport line as sscanf splits it with
// "%5s %50s %d %s %s %s %s %s %s %s %s %s %s %s %s" into large enough buffers.
struct ReferenceAirportLine {
  int assigned = 0;
  std::string ident;
  std::string name;
  long long elevation = 0;
  std::vector<std::string> words;  // fields 4..15 as assigned, whole
  bool identCut = false;           // a non-blank character follows the 5 of the ident
  bool nameCut = false;            // one follows the 50 of the name
};
ReferenceAirportLine ReferenceSplitAirportLine(const char* line);

// The line-by-line reading of a data file: every piece of 511 characters split
// by sscanf.
std::vector<ReferenceAirportLine> ReferenceAirportLines(const std::string& bytes);

// The line-by-line lookup: the first line whose ident is `ident`, with neither
// ident nor name cut, wins. True and `found` set when there is one.
bool ReferenceFindAirportLine(const std::vector<ReferenceAirportLine>& lines, const std::string& ident,
                              ReferenceAirportLine& found);
