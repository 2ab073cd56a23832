// Failure texts of the GUI cases.
#include "Expect.h"

#include <cstdio>

bool CaseReport::Expect(bool holds, const std::string& what) {
  if (!holds) Fail(what);
  return holds;
}

bool CaseReport::ExpectText(const std::string& expected, const std::string& actual, const std::string& what) {
  if (expected == actual) return true;
  Fail(what + ": expected \"" + Visible(expected) + "\", saw \"" + Visible(actual) + "\"");
  return false;
}

bool CaseReport::ExpectNumber(long long expected, long long actual, const std::string& what) {
  if (expected == actual) return true;
  Fail(what + ": expected " + std::to_string(expected) + ", saw " + std::to_string(actual));
  return false;
}

std::string Visible(const std::string& text) {
  std::string shown;
  for (unsigned char c : text) {
    if (c == '\n') {
      shown += "\\n";
    } else if (c == '\r') {
      shown += "\\r";
    } else if (c == '\t') {
      shown += "\\t";
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      shown += escaped;
    } else {
      shown += static_cast<char>(c);
    }
  }
  return shown;
}
