// Bounded field scanning with the exact conventions of sscanf in the "C" locale:
// what counts as white space, where a word or a number ends, where the next field
// starts. The readers split their lines with these instead of sscanf's "%s",
// which would write past the end of a field.
#pragma once

#include <cstddef>
#include <cstdint>

// sscanf's white space: blank, tab, line feed, vertical tab, form feed, CR.
constexpr bool IsScanfSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The first character at or after `text` that is not white space.
const char* SkipScanfSpace(const char* text);

// "%Ns" on a text whose white space has been skipped: copies at most `width`
// characters of the word at `text` into `field` (width + 1 bytes, always
// terminated) and returns where the next field starts, which is inside the word
// when it is longer than `width`. Sets `cut` when that happened.
const char* ScanWidthLimitedWord(const char* text, char* field, std::size_t width, bool& cut);

// "%s" into a field of `width` characters: takes the whole word at `text` (white
// space skipped), keeps its first `width` characters in `field` and returns the
// end of the word.
const char* ScanWholeWord(const char* text, char* field, std::size_t width);

// "%d" on a text whose white space has been skipped: an optional sign and at
// least one decimal digit. Returns the end of the number, or null when there is
// none (sscanf's matching failure). A value beyond the 32-bit range is clamped to it.
const char* ScanDecimalInteger(const char* text, int32_t& value);
