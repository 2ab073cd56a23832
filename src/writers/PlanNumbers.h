// Numbers as today's formats write them: a value that shows as zero is written
// without a sign, and a longitude that shows as 180 east is written as 180 west,
// which is the same meridian inside the range readers accept.
#pragma once

// `value`, or 0.0 when it shows as zero with `decimals` decimals ("-0.00" would
// be written otherwise: a negative zero that some readers refuse or misread).
double WithoutNegativeZero(double value, int decimals);

// `longitude` (decimal degrees) within -180 <= lon < 180 as it shows with
// `decimals` decimals: a value that would show as 180 or more east takes its
// place 360 degrees west; never a negative zero.
double WithinLongitudeRange(double longitude, int decimals);
