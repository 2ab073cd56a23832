// Splitting an airport line field by field, each bounded by its width.
#include "route/AirportLine.h"

#include <cstring>

#include "route/ScanfFields.h"

namespace {

constexpr int kElevationField = 3;

}  // namespace

void SplitAirportLine(const char* line, AirportLine& fields) {
  fields = AirportLine{};
  const char* cursor = SkipScanfSpace(line);
  if (*cursor == '\0') {
    fields.assigned = -1;
    return;
  }
  cursor = ScanWidthLimitedWord(cursor, fields.ident, kIdentLength, fields.identCut);
  fields.assigned = 1;
  cursor = SkipScanfSpace(cursor);
  if (*cursor == '\0') return;
  cursor = ScanWidthLimitedWord(cursor, fields.name, kNameLength, fields.nameCut);
  fields.assigned = 2;
  cursor = SkipScanfSpace(cursor);
  if (*cursor == '\0') return;
  cursor = ScanDecimalInteger(cursor, fields.elevation);
  if (cursor == nullptr) return;
  fields.assigned = kElevationField;
  for (char(&word)[kAirportWordLength + 1] : fields.words) {
    cursor = SkipScanfSpace(cursor);
    if (*cursor == '\0') return;
    cursor = ScanWholeWord(cursor, word, kAirportWordLength);
    ++fields.assigned;
  }
}

int RunwayFieldCount(const AirportLine& fields) {
  return fields.assigned > kFieldsBeforeRunways ? fields.assigned - kFieldsBeforeRunways : 0;
}

bool IsUsableAirportLine(const AirportLine& fields, const char* ident) {
  return fields.assigned >= 1 && !fields.identCut && !fields.nameCut &&
         std::strcmp(fields.ident, ident) == 0;
}

bool FindUsableIdent(const char* line, char (&ident)[kIdentLength + 1]) {
  const char* cursor = SkipScanfSpace(line);
  if (*cursor == '\0') return false;
  bool identCut = false;
  cursor = ScanWidthLimitedWord(cursor, ident, kIdentLength, identCut);
  if (identCut) return false;
  // A name of more than 50 characters would be cut; no name at all is usable.
  const char* name = SkipScanfSpace(cursor);
  constexpr std::size_t kNameWidth = kNameLength;
  std::size_t length = 0;
  while (length <= kNameWidth && name[length] != '\0' && !IsScanfSpace(name[length])) ++length;
  return length <= kNameWidth;
}
