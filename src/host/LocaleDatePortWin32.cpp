// Today's long date with Windows' locale services: GetDateFormatA with the thread
// locale and its long date format.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <climits>

#include "host/LocaleDatePort.h"
#include "host/SourceDateEpoch.h"

bool LocaleDatePort::FormatTodayLongDate(char* buffer, std::size_t size) {
  if (size == 0) return false;
  buffer[0] = '\0';
  CalendarDate fixed{};
  SourceDateEpoch source = ReadSourceDateEpoch(fixed);
  if (source == SourceDateEpoch::Malformed) return false;

  SYSTEMTIME fixedDay = {};
  fixedDay.wYear = static_cast<WORD>(fixed.year);
  fixedDay.wMonth = static_cast<WORD>(fixed.month);
  fixedDay.wDay = static_cast<WORD>(fixed.day);
  fixedDay.wDayOfWeek = static_cast<WORD>(fixed.weekday);
  // No date given means today on the local clock.
  const SYSTEMTIME* day = source == SourceDateEpoch::Valid ? &fixedDay : nullptr;
  int capacity = size > INT_MAX ? INT_MAX : static_cast<int>(size);
  if (GetDateFormatA(GetThreadLocale(), DATE_LONGDATE, day, nullptr, buffer, capacity) == 0) {
    buffer[0] = '\0';
    return false;
  }
  return true;
}

bool LocaleDatePort::Today(CalendarDate& today) {
  switch (ReadSourceDateEpoch(today)) {
    case SourceDateEpoch::Valid: return true;
    case SourceDateEpoch::Malformed: return false;
    case SourceDateEpoch::NotSet: break;
  }
  SYSTEMTIME now;
  GetLocalTime(&now);
  today = CalendarDate{now.wYear, now.wMonth, now.wDay, now.wDayOfWeek};
  return true;
}
