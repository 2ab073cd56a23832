// Rounding happens once, in whole units of the text's last digit, so a value
// such as 71 59.99' carries into the degrees (72 00.0') instead of showing 60.
#include "writers/NamedPointWriter.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "writers/PlanText.h"

namespace {

constexpr long long kDegreesAround = 360;

bool IsUpperOrDigit(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

long long RoundedUnits(double degrees, long long unitsPerDegree) {
  return std::llround(std::fabs(degrees) * static_cast<double>(unitsPerDegree));
}

}  // namespace

bool IsDatabaseName(const char* ident) {
  std::size_t length = std::strlen(ident);
  if (length == 0 || length > kIdentLength) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (!IsUpperOrDigit(ident[i])) return false;
  }
  return true;
}

WaypointKind LookupKind(const WaypointRow& row) {
  return IsDatabaseName(row.ident) ? WaypointKindOf(row.type) : WaypointKind::Position;
}

CoordinatePart LatitudePart(double latitude, long long unitsPerDegree) {
  long long units = RoundedUnits(latitude, unitsPerDegree);
  return {latitude < 0 && units != 0 ? 'S' : 'N', units};
}

CoordinatePart LongitudePart(double longitude, long long unitsPerDegree) {
  long long units = RoundedUnits(longitude, unitsPerDegree);
  if (longitude > 0 && units >= 180 * unitsPerDegree) {
    units = kDegreesAround * unitsPerDegree - units;
    return {'W', units};
  }
  return {longitude < 0 && units != 0 ? 'W' : 'E', units};
}

std::string IcaoCoordinateName(double latitude, double longitude) {
  CoordinatePart lat = LatitudePart(latitude, 60);
  CoordinatePart lon = LongitudePart(longitude, 60);
  char text[64];
  std::snprintf(text, sizeof text, "%02lld%02lld%c%03lld%02lld%c", lat.units / 60, lat.units % 60, lat.hemisphere,
                lon.units / 60, lon.units % 60, lon.hemisphere);
  return text;
}

std::string LookupName(const WaypointRow& row) {
  if (LookupKind(row) == WaypointKind::Position) return IcaoCoordinateName(row.latitude, row.longitude);
  return row.ident;
}

std::string PointLabel(const WaypointRow& row, int number) {
  std::string label = Utf8FromAnsi(row.ident);
  return label.empty() ? "WPT" + std::to_string(number) : label;
}
