// The field scanners shared by the source and data-file readers.
#include "route/ScanfFields.h"

#include <cstdint>
#include <limits>

namespace {

bool EndsWord(char c) { return c == '\0' || IsScanfSpace(c); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

const char* SkipScanfSpace(const char* text) {
  while (IsScanfSpace(*text)) ++text;
  return text;
}

const char* ScanWidthLimitedWord(const char* text, char* field, std::size_t width, bool& cut) {
  std::size_t length = 0;
  while (length < width && !EndsWord(text[length])) {
    field[length] = text[length];
    ++length;
  }
  field[length] = '\0';
  cut = !EndsWord(text[length]);
  return text + length;
}

const char* ScanWholeWord(const char* text, char* field, std::size_t width) {
  std::size_t length = 0;
  while (!EndsWord(text[length])) {
    if (length < width) field[length] = text[length];
    ++length;
  }
  field[length < width ? length : width] = '\0';
  return text + length;
}

const char* ScanDecimalInteger(const char* text, int32_t& value) {
  const char* cursor = text;
  bool negative = *cursor == '-';
  if (*cursor == '-' || *cursor == '+') ++cursor;
  if (!IsDigit(*cursor)) return nullptr;
  // The magnitude stops growing once it is past the range; it stays far inside int64.
  constexpr int64_t kLimit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
  int64_t magnitude = 0;
  for (; IsDigit(*cursor); ++cursor) {
    if (magnitude <= kLimit) magnitude = magnitude * 10 + (*cursor - '0');
  }
  if (negative) {
    value = magnitude >= kLimit ? std::numeric_limits<int32_t>::min() : static_cast<int32_t>(-magnitude);
  } else {
    value = magnitude >= kLimit ? std::numeric_limits<int32_t>::max() : static_cast<int32_t>(magnitude);
  }
  return cursor;
}
