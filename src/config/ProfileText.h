// The profile (INI) text format, over the bytes of a whole file in memory: a line
// "[name]" opens a section, lines "key=value" hold its values, lines starting with
// ";" are comments. Section and key names match without regard to ASCII letter
// case; the first section of a name and the first key of a name in it count.
// Reading trims blanks around names and values; editing touches one value and
// keeps every other byte (comments, unknown keys, order, line ends) as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Finds `key` in the first section named `section`. True, with `value` set to the
// text after the key's "=" without surrounding blanks (possibly empty), when the
// section holds the key; false when the section or the key is missing.
bool FindProfileValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view& value);

// The integer of a key, as the private-profile service reads it: the default when
// the key is missing or its value is empty; otherwise an optional "+" or "-" and
// the leading decimal digits ("12abc" is 12, "abc" is 0). Values beyond the 32-bit
// range stay at its nearest end.
int32_t ReadProfileInt(std::string_view text, std::string_view section, std::string_view key,
                       int32_t defaultValue);

// The text of a key into `out` (`outSize` bytes, always terminated when non-zero):
// the value when the key is present, even when empty, else `defaultValue`; cut to
// outSize - 1 characters.
void ReadProfileText(std::string_view text, std::string_view section, std::string_view key,
                     const char* defaultValue, char* out, std::size_t outSize);

// True when the key can be written and found again as it is: the section and key
// names are non-empty, have no blanks at either end and no line breaks, the
// section has no "]", the key has no "=" and does not start with ";" or "[", and
// the value has no line breaks.
bool CanWriteProfileValue(std::string_view section, std::string_view key, std::string_view value);

// `text` with `key` of `section` set to `value`, into `updated`:
// - the key present: its value is replaced in place, the key's own spelling and
//   the blanks before the value stay;
// - the section present without the key: "key=value" goes after the section's last
//   non-blank line;
// - the section missing: a blank line, "[section]" and "key=value" are appended.
// New lines end like the text's first line (CR LF when it has none). Returns false,
// and leaves `updated` alone, when CanWriteProfileValue refuses the names or value.
bool SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value, std::string& updated);
