// strtod does the conversion, correctly rounded; the checks before it make sure
// it sees nothing it would read only in part. It is given the number without a
// decimal point ("47.458" as "47458e-3"): strtod takes the point of the C
// library's current numeric locale, which need not be ".", and a number without
// one reads the same under every locale.
#include "route/ReadNumber.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr std::size_t kMaxNumberLength = 64;
// Beyond this an exponent makes every number infinite or zero; larger ones are
// held here so that the sum with the fraction's digits cannot overflow.
constexpr int64_t kExponentLimit = 100000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The parts of the decimal notation [sign] digits [. digits] [e [sign] digits],
// a digit somewhere before the exponent.
struct DecimalParts {
  bool negative = false;
  std::string digits;       // the digits before and after the point, in order
  int64_t exponent = 0;     // of 10, the point taken into account
};

bool ReadExponent(std::string_view text, int64_t& exponent) {
  std::size_t at = text.size() > 0 && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (at == text.size()) return false;
  int64_t value = 0;
  for (std::size_t i = at; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return false;
    if (value < kExponentLimit) value = value * 10 + (text[i] - '0');
  }
  exponent = text[0] == '-' ? -value : value;
  return true;
}

bool SplitDecimal(std::string_view text, DecimalParts& parts) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) parts.negative = text[at++] == '-';
  while (at < text.size() && IsDigit(text[at])) parts.digits += text[at++];
  if (at < text.size() && text[at] == '.') {
    ++at;
    while (at < text.size() && IsDigit(text[at])) {
      parts.digits += text[at++];
      --parts.exponent;
    }
  }
  if (parts.digits.empty()) return false;
  if (at == text.size()) return true;
  if (text[at] != 'e' && text[at] != 'E') return false;
  int64_t exponent = 0;
  if (!ReadExponent(text.substr(at + 1), exponent)) return false;
  parts.exponent += exponent;
  return true;
}

}  // namespace

bool ReadDecimal(std::string_view text, double& value) {
  DecimalParts parts;
  if (text.empty() || text.size() > kMaxNumberLength || !SplitDecimal(text, parts)) return false;
  std::string plain = (parts.negative ? "-" : "") + parts.digits + "e" + std::to_string(parts.exponent);
  double read = std::strtod(plain.c_str(), nullptr);
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
