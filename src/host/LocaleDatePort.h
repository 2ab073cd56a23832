// The platform's date port: today's long date in the user's locale. On Windows
// GetDateFormatA with the thread locale's long date format; elsewhere strftime
// "%A, %B %d, %Y" in the LC_TIME locale. Today is the local clock's day;
// SOURCE_DATE_EPOCH, when set, fixes it.
#pragma once

#include "host/DatePort.h"

class LocaleDatePort : public DatePort {
 public:
  bool FormatTodayLongDate(char* buffer, std::size_t size) override;
  bool Today(CalendarDate& today) override;
};
