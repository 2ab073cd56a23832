// Signed decimal degrees from the raw coordinate fields.
#include "route/DecimalDegrees.h"

double ToDecimalDegrees(char hemisphere, int32_t degrees, double minutes) {
  double sign = (hemisphere == 'S' || hemisphere == 'W') ? -1.0 : 1.0;
  return (degrees + minutes / 60.0) * sign;
}
