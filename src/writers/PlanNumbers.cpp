// Both rules look at the number as the C conversion rounds it, so the value
// written is the value judged.
#include "writers/PlanNumbers.h"

#include <cstdio>
#include <cstdlib>

namespace {

// `value` as "%.*f" writes it, read back.
double AsWritten(double value, int decimals) {
  char text[512];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return std::strtod(text, nullptr);
}

}  // namespace

double WithoutNegativeZero(double value, int decimals) { return AsWritten(value, decimals) == 0.0 ? 0.0 : value; }

double WithinLongitudeRange(double longitude, int decimals) {
  if (AsWritten(longitude, decimals) >= 180.0) longitude -= 360.0;
  return WithoutNegativeZero(longitude, decimals);
}
