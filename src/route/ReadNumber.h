// Numbers as plan files write them: the C locale's decimal notation only, read
// strictly, so that "12abc", "", "inf" or "1e999" are refused, never half read.
#pragma once

#include <cstdint>
#include <string_view>

// `text` as a finite decimal number: an optional sign, digits with at most one
// ".", an optional exponent; no blanks; at most 64 characters. False, `value`
// untouched, otherwise. The C library's current locale plays no part: "47.5" is
// 47.5 also where its decimal point is ",".
bool ReadDecimal(std::string_view text, double& value);

// `text` as a whole number of at most 18 digits with an optional sign.
bool ReadWholeNumber(std::string_view text, int64_t& value);
