// The upper half of Windows-1252 by code point; the rest of Latin-1 maps to itself.
#include "route/TextEncoding.h"

#include <cstdint>

namespace {

// Code points 0x80..0x9F and above 0xFF that Windows-1252 holds, with their bytes.
struct SpecialCharacter {
  uint32_t codePoint;
  char byte;
};

constexpr SpecialCharacter kSpecial[] = {
    {0x20AC, '\x80'}, {0x201A, '\x82'}, {0x0192, '\x83'}, {0x201E, '\x84'}, {0x2026, '\x85'}, {0x2020, '\x86'},
    {0x2021, '\x87'}, {0x02C6, '\x88'}, {0x2030, '\x89'}, {0x0160, '\x8A'}, {0x2039, '\x8B'}, {0x0152, '\x8C'},
    {0x017D, '\x8E'}, {0x2018, '\x91'}, {0x2019, '\x92'}, {0x201C, '\x93'}, {0x201D, '\x94'}, {0x2022, '\x95'},
    {0x2013, '\x96'}, {0x2014, '\x97'}, {0x02DC, '\x98'}, {0x2122, '\x99'}, {0x0161, '\x9A'}, {0x203A, '\x9B'},
    {0x0153, '\x9C'}, {0x017E, '\x9E'}, {0x0178, '\x9F'},
};

char ByteOf(uint32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<char>(codePoint);
  for (const SpecialCharacter& special : kSpecial) {
    if (special.codePoint == codePoint) return special.byte;
  }
  return '?';
}

// The code point of the UTF-8 sequence at `text[at]`, moving `at` past it; a
// byte that starts no valid sequence counts as one invalid character.
uint32_t NextCodePoint(std::string_view text, std::size_t& at) {
  constexpr uint32_t kInvalid = 0xFFFD;
  unsigned char lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  int length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
  if (length == 0 || at + length - 1 > text.size()) return kInvalid;
  uint32_t codePoint = lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    unsigned char next = static_cast<unsigned char>(text[at]);
    if ((next & 0xC0) != 0x80) return kInvalid;
    codePoint = (codePoint << 6) | (next & 0x3F);
    ++at;
  }
  return codePoint;
}

}  // namespace

std::string AnsiFromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) out += ByteOf(NextCodePoint(text, at));
  return out;
}
