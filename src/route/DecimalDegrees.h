// Conversion of the export's coordinates (hemisphere, degrees, decimal minutes)
// to the signed decimal degrees the writers use.
#pragma once

#include <cstdint>

// (degrees + minutes / 60) with the sign of the hemisphere: negative for exactly
// 'S' or 'W' (upper case only), positive for every other character.
double ToDecimalDegrees(char hemisphere, int32_t degrees, double minutes);
