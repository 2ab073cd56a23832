// strtod does the conversion; the checks before it make sure it sees nothing it
// would read only in part, and the copy makes sure it stops where the text does.
#include "route/ReadNumber.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr std::size_t kMaxNumberLength = 64;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal notation: [sign] digits [. digits] [e [sign] digits], a digit
// somewhere before the exponent.
bool IsDecimalNotation(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  std::size_t digits = 0;
  while (at < text.size() && IsDigit(text[at])) ++at, ++digits;
  if (at < text.size() && text[at] == '.') {
    ++at;
    while (at < text.size() && IsDigit(text[at])) ++at, ++digits;
  }
  if (digits == 0) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    std::size_t exponentDigits = 0;
    while (at < text.size() && IsDigit(text[at])) ++at, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return at == text.size();
}

}  // namespace

bool ReadDecimal(std::string_view text, double& value) {
  if (text.empty() || text.size() > kMaxNumberLength || !IsDecimalNotation(text)) return false;
  std::string copy(text);
  double read = std::strtod(copy.c_str(), nullptr);
  if (!std::isfinite(read)) return false;
  value = read;
  return true;
}

bool ReadWholeNumber(std::string_view text, int64_t& value) {
  std::size_t at = text.size() > 0 && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (at == text.size() || text.size() - at > 18) return false;
  int64_t read = 0;
  for (std::size_t i = at; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return false;
    read = read * 10 + (text[i] - '0');
  }
  value = text[0] == '-' ? -read : read;
  return true;
}
