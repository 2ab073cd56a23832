// Today's long date with the C library: strftime in the LC_TIME locale, which the
// program takes from the user at start-up (AdoptUserDateLocale).
#include <ctime>

#include "host/LocaleDatePort.h"
#include "host/SourceDateEpoch.h"

namespace {

constexpr const char* kLongDateFormat = "%A, %B %d, %Y";

// Today as a broken-down time: the fixed day of SOURCE_DATE_EPOCH, else the local
// clock's. False when neither gives a day.
bool TodayTm(std::tm& today) {
  CalendarDate fixed{};
  switch (ReadSourceDateEpoch(fixed)) {
    case SourceDateEpoch::Valid:
      today = std::tm{};
      today.tm_year = fixed.year - 1900;
      today.tm_mon = fixed.month - 1;
      today.tm_mday = fixed.day;
      today.tm_wday = fixed.weekday;
      return true;
    case SourceDateEpoch::Malformed:
      return false;
    case SourceDateEpoch::NotSet:
      break;
  }
  std::time_t now = std::time(nullptr);
  return now != static_cast<std::time_t>(-1) && localtime_r(&now, &today) != nullptr;
}

}  // namespace

bool LocaleDatePort::Today(CalendarDate& today) {
  std::tm day;
  if (!TodayTm(day)) return false;
  today = CalendarDate{day.tm_year + 1900, day.tm_mon + 1, day.tm_mday, day.tm_wday};
  return true;
}

bool LocaleDatePort::FormatTodayLongDate(char* buffer, std::size_t size) {
  if (size == 0) return false;
  buffer[0] = '\0';
  std::tm today;
  if (!TodayTm(today)) return false;
  if (std::strftime(buffer, size, kLongDateFormat, &today) == 0) {
    buffer[0] = '\0';  // the buffer's content is undefined after a failed strftime
    return false;
  }
  return true;
}
