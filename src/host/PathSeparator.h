// The platform's folder separator, decided here and nowhere else: "\" on Windows,
// "/" elsewhere.
#pragma once

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// True when `c` ends a folder name on this platform (Windows also takes "/").
constexpr bool IsPathSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}
