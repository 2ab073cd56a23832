// Runway entry texts from the parts of a runway field.
#include "route/RunwayEntry.h"

namespace {

bool EndsPiece(char c) { return c == '\0' || c == '-' || c == '_'; }

// Appends the pieces of the part that starts at `part` and returns its end. A
// field of 50 characters always fits; a longer text is cut, never overrun.
const char* AppendPieces(const char* part, char* entry, std::size_t& length) {
  const char* cursor = part;
  while (*cursor != '\0' && *cursor != '-') {
    if (*cursor == '_') {
      ++cursor;
      continue;
    }
    for (; !EndsPiece(*cursor); ++cursor) {
      if (length + 2 < kRunwayEntrySize) entry[length++] = *cursor;  // room for blank and zero
    }
    if (length + 1 < kRunwayEntrySize) entry[length++] = ' ';
  }
  return cursor;
}

}  // namespace

const char* NextRunwayEntry(const char* cursor, char* entry) {
  while (*cursor != '\0') {
    while (*cursor == '-') ++cursor;
    std::size_t length = 0;
    cursor = AppendPieces(cursor, entry, length);
    entry[length] = '\0';
    if (length > 0) return cursor;
  }
  return nullptr;
}
