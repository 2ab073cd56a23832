// Paths as the platform writes them: the size of every path buffer, the
// separators of its folders ("\" and "/" on Windows, "/" elsewhere), and what
// makes a path absolute.
#pragma once

// Every path and file-name buffer: 259 characters and the zero.
constexpr int kPathSize = 260;

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// True for a character that separates the folders of a path on this platform.
constexpr bool IsPathSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

// True for a path that does not depend on the current folder: one that starts at
// the root, or (on Windows) with a drive letter and ":".
constexpr bool IsAbsolutePath(const char* path) {
#ifdef _WIN32
  if (path[0] != '\0' && path[1] == ':') return true;
#endif
  return IsPathSeparator(path[0]);
}
