// Cycles follow each other every 28 days without end, so one known start fixes
// them all.
#include "writers/AiracCycle.h"

#include <cstdint>

namespace {

constexpr int64_t kCycleDays = 28;

// Days since 1 January 1970 of a Gregorian date (negative before it).
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
  year -= month <= 2 ? 1 : 0;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// The year of the day `days` after 1 January 1970.
int64_t YearOfDays(int64_t days) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  return yearOfEra + era * 400 + (shiftedMonth >= 10 ? 1 : 0);
}

int64_t FloorDivide(int64_t value, int64_t divisor) {
  return value / divisor - (value % divisor != 0 && value < 0 ? 1 : 0);
}

// Cycle 2001 began on 2 January 2020.
const int64_t kKnownCycleStart = DaysFromCivil(2020, 1, 2);

// The number, counted from the known cycle, of the cycle in effect on `days`.
int64_t CycleOf(int64_t days) { return FloorDivide(days - kKnownCycleStart, kCycleDays); }

}  // namespace

int AiracCycle(const CalendarDate& day) {
  const int64_t cycle = CycleOf(DaysFromCivil(day.year, day.month, day.day));
  const int64_t year = YearOfDays(kKnownCycleStart + cycle * kCycleDays);
  // The first cycle of that year is the one after the cycle in effect on 31 December before it.
  const int64_t firstOfYear = CycleOf(DaysFromCivil(year, 1, 1) - 1) + 1;
  return static_cast<int>((year % 100) * 100 + (cycle - firstOfYear + 1));
}
