// Parsing and completing one waypoint row. The identifier is the only text field:
// it is scanned by hand, bounded by its width; the rest has no text to overrun
// and is read by sscanf itself.
#include "route/WaypointLine.h"

#include <cstdio>
#include <cstring>

#include "route/DecimalDegrees.h"
#include "route/ScanfFields.h"

namespace {

constexpr int kFieldsWithoutAltitude = 9;

char NormalisedType(char type) {
  if (type >= 'a' && type <= 'z') type = static_cast<char>(type - 'a' + 'A');
  if (type == 'S' || type == '?') return 'I';
  return type;
}

}  // namespace

int ParseWaypointLine(const char* line, WaypointRow& row) {
  int consumed = 0;
  int count = std::sscanf(line, "FWP %c %c%n", &row.firstCode, &row.type, &consumed);
  if (count < 2) return count;
  const char* cursor = SkipScanfSpace(line + consumed);
  if (*cursor == '\0') return count;
  cursor = ScanWholeWord(cursor, row.ident, kIdentLength);
  int rest = std::sscanf(cursor, " %c %d %lf %c %d %lf %lf", &row.latHemisphere, &row.latDegrees,
                         &row.latMinutes, &row.lonHemisphere, &row.lonDegrees, &row.lonMinutes,
                         &row.altitude);
  return 3 + (rest > 0 ? rest : 0);
}

bool ReadWaypointRow(const char* line, WaypointRow& row) {
  row = WaypointRow{};
  // The 9-field form assigns exactly the first nine fields of the 10-field one,
  // so one parse serves both; a 9-field line leaves the altitude at 0.0.
  int count = ParseWaypointLine(line, row);
  if (count < kFieldsWithoutAltitude) {
    row = WaypointRow{};
    return false;
  }
  row.latitude = ToDecimalDegrees(row.latHemisphere, row.latDegrees, row.latMinutes);
  row.longitude = ToDecimalDegrees(row.lonHemisphere, row.lonDegrees, row.lonMinutes);
  row.type = NormalisedType(row.type);
  if (row.type != 'A') std::memcpy(row.name, row.ident, sizeof row.ident);
  return true;
}
