// SOURCE_DATE_EPOCH parsing and the UTC calendar, in plain integer arithmetic so
// both platforms give the same day without their C libraries' time limits.
#include "host/SourceDateEpoch.h"

#include <cstdlib>

namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int kThursday = 4;  // 1970-01-01

}  // namespace

CalendarDate UtcDateOf(int64_t seconds) {
  // Days since 1970-01-01, shifted to an era calendar that starts on 0000-03-01
  // so the leap day falls at the end of each year.
  const int64_t days = seconds / kSecondsPerDay;
  const int64_t shifted = days + 719468;
  const int64_t era = shifted / 146097;
  const int64_t dayOfEra = shifted - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t marchBasedMonth = (5 * dayOfYear + 2) / 153;
  CalendarDate date;
  date.day = static_cast<int>(dayOfYear - (153 * marchBasedMonth + 2) / 5 + 1);
  date.month = static_cast<int>(marchBasedMonth < 10 ? marchBasedMonth + 3 : marchBasedMonth - 9);
  date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
  date.weekday = static_cast<int>((days + kThursday) % 7);
  return date;
}

bool ParseEpochSeconds(const char* text, int64_t& seconds) {
  if (text == nullptr || *text == '\0') return false;
  int64_t value = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') return false;
    value = value * 10 + (*p - '0');
    if (value > kLatestEpochSeconds) return false;
  }
  seconds = value;
  return true;
}

SourceDateEpoch ReadSourceDateEpoch(CalendarDate& today) {
  const char* text = std::getenv("SOURCE_DATE_EPOCH");
  if (text == nullptr || *text == '\0') return SourceDateEpoch::NotSet;
  int64_t seconds = 0;
  if (!ParseEpochSeconds(text, seconds)) return SourceDateEpoch::Malformed;
  today = UtcDateOf(seconds);
  return SourceDateEpoch::Valid;
}
