#include "support/FakeDatePort.h"

#include <cstdio>

bool FakeDatePort::FormatTodayLongDate(char* buffer, std::size_t size) {
  if (size == 0) return false;
  if (!available) {
    buffer[0] = '\0';
    return false;
  }
  std::snprintf(buffer, size, "%s", longDate.c_str());
  return true;
}

bool FakeDatePort::Today(CalendarDate& today) {
  if (available) today = day;
  return available;
}
