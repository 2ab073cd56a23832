// A date port for tests: answers a scripted long date, or none at all.
#pragma once

#include <string>

#include "host/DatePort.h"

class FakeDatePort : public DatePort {
 public:
  bool FormatTodayLongDate(char* buffer, std::size_t size) override;
  bool Today(CalendarDate& today) override;

  // The text answered while `available`; the worked example's date by default.
  std::string longDate = "Monday, December 07, 2026";
  CalendarDate day = {2026, 12, 7, 1};
  bool available = true;
};
