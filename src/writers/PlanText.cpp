// Windows-1252 is ASCII below 0x80; above it, a table gives each byte its plain
// ASCII form (its code point is route/TextEncoding's).
#include "writers/PlanText.h"

#include <cstdint>
#include <cstring>

#include "route/AirportLookup.h"
#include "route/TextEncoding.h"

namespace {

// The plain ASCII form of bytes 0x80 to 0xFF; "" when one has none.
constexpr const char* kAsciiOfUpperHalf[128] = {
    "EUR", "", ",", "f", "\"", "...", "", "", "^", "", "S", "<", "OE", "", "Z", "",  // 0x80
    "", "'", "'", "\"", "\"", "", "-", "-", "~", "", "s", ">", "oe", "", "z", "Y",  // 0x90
    " ", "!", "", "", "", "", "|", "", "", "", "a", "\"", "", "-", "", "",  // 0xA0
    "", "", "2", "3", "'", "u", "", ".", ",", "1", "o", "\"", "", "", "", "?",  // 0xB0
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",  // 0xC0
    "D", "N", "O", "O", "O", "O", "O", "x", "O", "U", "U", "U", "U", "Y", "TH", "ss",  // 0xD0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",  // 0xE0
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "y",  // 0xF0
};

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

}  // namespace

std::string Utf8FromAnsi(const char* text) { return Utf8FromWindows1252(text); }

std::string AsciiFromAnsi(const char* text) {
  std::string out;
  for (const unsigned char* byte = reinterpret_cast<const unsigned char*>(text); *byte != 0; ++byte) {
    if (*byte >= 0x80) {
      out += kAsciiOfUpperHalf[*byte - 0x80];
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
