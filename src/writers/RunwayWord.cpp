#include "writers/RunwayWord.h"

#include <cctype>
#include <cstdio>
#include <cstring>

void FirstRunwayWord(const char* runway, char (&word)[kRunwayTextLength + 1]) {
  while (*runway == ' ') ++runway;
  std::size_t length = std::strcspn(runway, " ");
  if (length > kRunwayTextLength) length = kRunwayTextLength;
  std::memcpy(word, runway, length);
  word[length] = '\0';
}

bool RunwayDesignator(const char* runway, std::string& designator) {
  designator.clear();
  char word[kRunwayTextLength + 1];
  FirstRunwayWord(runway, word);
  std::size_t digits = 0;
  while (digits < 2 && std::isdigit(static_cast<unsigned char>(word[digits]))) ++digits;
  if (digits == 0) return false;
  int heading = digits == 1 ? word[0] - '0' : (word[0] - '0') * 10 + (word[1] - '0');
  const char* side = word + digits;
  bool sideValid = side[0] == '\0' || (std::strchr("LCR", side[0]) != nullptr && side[1] == '\0');
  if (heading < 1 || heading > 36 || !sideValid) return false;
  char text[4];  // two digits, a side and the zero
  std::snprintf(text, sizeof text, "%02d%s", heading, side);
  designator = text;
  return true;
}
