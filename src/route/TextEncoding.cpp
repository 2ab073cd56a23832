// Windows-1252 and UTF-8, both ways, from one table of the bytes that are not Latin-1.
#include "route/TextEncoding.h"

#include <cstdint>

namespace {

// Code points of the bytes 0x80..0x9F; 0 for the five Windows-1252 leaves
// undefined. Bytes below 0x80 are ASCII and bytes from 0xA0 are Latin-1.
constexpr uint16_t kLowerHalf[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char ByteOf(uint32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<char>(codePoint);
  for (int i = 0; i < 32; ++i) {
    if (kLowerHalf[i] != 0 && kLowerHalf[i] == codePoint) return static_cast<char>(0x80 + i);
  }
  return '?';
}

uint16_t CodePointOf(unsigned char byte) {
  if (byte < 0x20 || byte == 0x7F) return '?';
  if (byte < 0x80 || byte >= 0xA0) return byte;
  uint16_t codePoint = kLowerHalf[byte - 0x80];
  return codePoint != 0 ? codePoint : '?';
}

void AppendUtf8(std::string& out, uint16_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
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

// The length of the well-formed UTF-8 sequence at `text[at]`; 0 when none starts
// there (a stray continuation byte, a truncated or overlong sequence, a
// surrogate, a code point beyond U+10FFFF).
std::size_t WellFormedLength(std::string_view text, std::size_t at) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
  if (length == 0 || length > text.size() - at) return 0;
  for (std::size_t next = 1; next < length; ++next) {
    if ((static_cast<unsigned char>(text[at + next]) & 0xC0) != 0x80) return 0;
  }
  const unsigned char second = length > 1 ? static_cast<unsigned char>(text[at + 1]) : 0;
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
      (lead == 0xF4 && second > 0x8F)) {
    return 0;
  }
  return length;
}

}  // namespace

std::string ValidUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = WellFormedLength(text, at);
    if (length == 0) {
      AppendUtf8(out, CodePointOf(static_cast<unsigned char>(text[at++])));
    } else {
      out.append(text, at, length);
      at += length;
    }
  }
  return out;
}

std::string AnsiFromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) out += ByteOf(NextCodePoint(text, at));
  return out;
}

std::string Utf8FromWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}
