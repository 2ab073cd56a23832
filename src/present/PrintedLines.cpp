// The printed lines are formatted into strings sized to their text: a heading is
// 84 characters and a row can be longer than the printer's line is wide.
#include "present/PrintedLines.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// The printer's ANSI font shows 0xB0 as the degree sign.
constexpr const char* kHeadingFormat = "%-6s\t %-20s\t %c\t  %-15s\t %-15s\t  %-15s";
constexpr const char* kRowFormat = "%-5s\t %-20s\t %c\t  %c%02d\xB0  %05.2f'\t %c%03d\xB0 %05.2f'\t  %+010.2f";

std::string FormatSized(const char* format, ...) __attribute__((format(printf, 1, 2)));

// printf into a string exactly as long as the formatted text.
std::string FormatSized(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  va_list measuring;
  va_copy(measuring, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, measuring);
  va_end(measuring);
  std::string text;
  if (length > 0) {
    text.resize(static_cast<size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), format, arguments);
    text.resize(static_cast<size_t>(length));
  }
  va_end(arguments);
  return text;
}

}  // namespace

std::string FormatHeadingLine() {
  return FormatSized(kHeadingFormat, "WP-Id.", "Facility Name", 'T', "Latitude", "Longitude", "Altitude");
}

std::string FormatRouteRow(const WaypointRow& row) {
  // The fields are fixed buffers; never read past them even if one lost its end.
  return FormatSized(kRowFormat,
                     std::string(row.ident, ::strnlen(row.ident, sizeof row.ident)).c_str(),
                     std::string(row.name, ::strnlen(row.name, sizeof row.name)).c_str(), row.type,
                     row.latHemisphere, static_cast<int>(row.latDegrees), row.latMinutes, row.lonHemisphere,
                     static_cast<int>(row.lonDegrees), row.lonMinutes, row.altitude);
}
