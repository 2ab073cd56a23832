// The date port: today's date as the user's locale writes it in long form. The
// Radar Contact plan carries it in its comment header; it is the one place where
// a plan depends on the user's locale.
#pragma once

#include <cstddef>

// Room for any long date text the platform writes.
constexpr std::size_t kLongDateSize = 324;

class DatePort {
 public:
  virtual ~DatePort() = default;
  // Writes today's date in the locale's long date format into `buffer` (`size`
  // bytes, always zero-terminated when size > 0). Returns false, with an empty
  // text in the buffer, when no date can be formatted.
  virtual bool FormatTodayLongDate(char* buffer, std::size_t size) = 0;
};
