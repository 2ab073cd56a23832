// The platform's date port: today's long date in the user's locale. On Windows
// GetDateFormatA with the thread locale's long date format; elsewhere strftime
// "%A, %B %d, %Y" in the LC_TIME locale. SOURCE_DATE_EPOCH, when set, fixes today.
#pragma once

#include "host/DatePort.h"

class LocaleDatePort : public DatePort {
 public:
  bool FormatTodayLongDate(char* buffer, std::size_t size) override;
};
