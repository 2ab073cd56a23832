// The AIRAC cycle, the 28-day period of aeronautical data that X-Plane plans name.
#pragma once

#include "host/SourceDateEpoch.h"

// The cycle in effect on `day`, as its four digits read: the last two digits of
// the year its first day falls in, then its order in that year (2001 began on
// 2 January 2020, 2014 on 31 December 2020). Any Gregorian day, before 2020 too.
int AiracCycle(const CalendarDate& day);
