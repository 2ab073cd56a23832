// Windows-1252 is ASCII below 0x80; above it, a table gives each byte its code
// point and its plain ASCII form.
#include "writers/PlanText.h"

#include <cstdint>
#include <cstring>

#include "route/AirportLookup.h"

namespace {

struct UpperHalfCharacter {
  uint16_t codePoint;  // 0 for the five undefined bytes
  const char* ascii;   // "" when it has no plain form
};

// Bytes 0x80 to 0xFF.
constexpr UpperHalfCharacter kUpperHalf[128] = {
    {0x20AC, "EUR"}, {0, ""},        {0x201A, ","},   {0x0192, "f"},   {0x201E, "\""},  {0x2026, "..."},
    {0x2020, ""},    {0x2021, ""},   {0x02C6, "^"},   {0x2030, ""},    {0x0160, "S"},   {0x2039, "<"},
    {0x0152, "OE"},  {0, ""},        {0x017D, "Z"},   {0, ""},         {0, ""},         {0x2018, "'"},
    {0x2019, "'"},   {0x201C, "\""}, {0x201D, "\""},  {0x2022, ""},    {0x2013, "-"},   {0x2014, "-"},
    {0x02DC, "~"},   {0x2122, ""},   {0x0161, "s"},   {0x203A, ">"},   {0x0153, "oe"},  {0, ""},
    {0x017E, "z"},   {0x0178, "Y"},  {0x00A0, " "},   {0x00A1, "!"},   {0x00A2, ""},    {0x00A3, ""},
    {0x00A4, ""},    {0x00A5, ""},   {0x00A6, "|"},   {0x00A7, ""},    {0x00A8, ""},    {0x00A9, ""},
    {0x00AA, "a"},   {0x00AB, "\""}, {0x00AC, ""},    {0x00AD, "-"},   {0x00AE, ""},    {0x00AF, ""},
    {0x00B0, ""},    {0x00B1, ""},   {0x00B2, "2"},   {0x00B3, "3"},   {0x00B4, "'"},   {0x00B5, "u"},
    {0x00B6, ""},    {0x00B7, "."},  {0x00B8, ","},   {0x00B9, "1"},   {0x00BA, "o"},   {0x00BB, "\""},
    {0x00BC, ""},    {0x00BD, ""},   {0x00BE, ""},    {0x00BF, "?"},   {0x00C0, "A"},   {0x00C1, "A"},
    {0x00C2, "A"},   {0x00C3, "A"},  {0x00C4, "A"},   {0x00C5, "A"},   {0x00C6, "AE"},  {0x00C7, "C"},
    {0x00C8, "E"},   {0x00C9, "E"},  {0x00CA, "E"},   {0x00CB, "E"},   {0x00CC, "I"},   {0x00CD, "I"},
    {0x00CE, "I"},   {0x00CF, "I"},  {0x00D0, "D"},   {0x00D1, "N"},   {0x00D2, "O"},   {0x00D3, "O"},
    {0x00D4, "O"},   {0x00D5, "O"},  {0x00D6, "O"},   {0x00D7, "x"},   {0x00D8, "O"},   {0x00D9, "U"},
    {0x00DA, "U"},   {0x00DB, "U"},  {0x00DC, "U"},   {0x00DD, "Y"},   {0x00DE, "TH"},  {0x00DF, "ss"},
    {0x00E0, "a"},   {0x00E1, "a"},  {0x00E2, "a"},   {0x00E3, "a"},   {0x00E4, "a"},   {0x00E5, "a"},
    {0x00E6, "ae"},  {0x00E7, "c"},  {0x00E8, "e"},   {0x00E9, "e"},   {0x00EA, "e"},   {0x00EB, "e"},
    {0x00EC, "i"},   {0x00ED, "i"},  {0x00EE, "i"},   {0x00EF, "i"},   {0x00F0, "d"},   {0x00F1, "n"},
    {0x00F2, "o"},   {0x00F3, "o"},  {0x00F4, "o"},   {0x00F5, "o"},   {0x00F6, "o"},   {0x00F7, ""},
    {0x00F8, "o"},   {0x00F9, "u"},  {0x00FA, "u"},   {0x00FB, "u"},   {0x00FC, "u"},   {0x00FD, "y"},
    {0x00FE, "th"},  {0x00FF, "y"},
};

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

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

}  // namespace

std::string Utf8FromAnsi(const char* text) {
  std::string out;
  for (const unsigned char* byte = reinterpret_cast<const unsigned char*>(text); *byte != 0; ++byte) {
    if (*byte < 0x80) {
      out += IsControl(*byte) ? '?' : static_cast<char>(*byte);
    } else {
      uint16_t codePoint = kUpperHalf[*byte - 0x80].codePoint;
      AppendUtf8(out, codePoint != 0 ? codePoint : '?');
    }
  }
  return out;
}

std::string AsciiFromAnsi(const char* text) {
  std::string out;
  for (const unsigned char* byte = reinterpret_cast<const unsigned char*>(text); *byte != 0; ++byte) {
    if (*byte >= 0x80) {
      out += kUpperHalf[*byte - 0x80].ascii;
    } else if (!IsControl(*byte)) {
      out += static_cast<char>(*byte);
    }
  }
  return out;
}

std::string NameWithBlanks(const char* name) {
  std::string text(name);
  for (char& c : text) {
    if (c == '_') c = ' ';
  }
  return text;
}

std::string PlaceName(const WaypointRow& row) {
  if (std::strcmp(row.name, kAirportNotFoundText) == 0 || std::strcmp(row.name, kAirportErrorText) == 0) return "";
  std::string name = NameWithBlanks(row.name);
  std::size_t first = name.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return name.substr(first, name.find_last_not_of(' ') - first + 1);
}
