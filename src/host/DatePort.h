// The date port: today's date, as the user's locale writes it in long form and as
// a calendar day. The Radar Contact plan carries the long date in its comment
// header, the one place where a plan depends on the user's locale; the X-Plane
// plan names the navigation data cycle of the day.
#pragma once

#include <cstddef>

#include "host/SourceDateEpoch.h"

// Room for any long date text the platform writes.
constexpr std::size_t kLongDateSize = 324;

class DatePort {
 public:
  virtual ~DatePort() = default;
  // Writes today's date in the locale's long date format into `buffer` (`size`
  // bytes, always zero-terminated when size > 0). Returns false, with an empty
  // text in the buffer, when no date can be formatted.
  virtual bool FormatTodayLongDate(char* buffer, std::size_t size) = 0;
  // Fills `today` with today's day. False when there is no date to give.
  virtual bool Today(CalendarDate& today) = 0;
};
