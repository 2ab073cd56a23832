// Real values printed as whole numbers: truncated toward zero as the C conversion
// does, but held inside the 32-bit range, so an absurd altitude in a source file
// prints the nearest limit instead of being undefined behaviour.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// `value` truncated toward zero; the nearest 32-bit limit beyond the range; 0 for NaN.
inline int32_t TruncatedToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}
