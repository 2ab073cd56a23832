// Text read from today's plan files is UTF-8; the route table keeps the
// Windows-1252 text of the FliteStar export and the airport data, as the old
// plan formats do. This turns the one into the other.
#pragma once

#include <string>
#include <string_view>

// `text` (UTF-8) in Windows-1252: every character that has a Windows-1252 byte
// gets it; any other, and any byte that is not part of valid UTF-8, becomes "?".
std::string AnsiFromUtf8(std::string_view text);

// `text` (Windows-1252) in UTF-8. Control characters and the five bytes
// Windows-1252 leaves undefined become "?", as they do where the writers turn the
// route's text into UTF-8, so that a plan read back compares with its route.
std::string Utf8FromWindows1252(std::string_view text);

// `text` as well-formed UTF-8: its valid sequences as they are, and every byte
// that starts none read as Windows-1252, the encoding a plan saved by a Windows
// editor most often holds its accented names in. Plan readers pass what they
// read through it, so a point's text is UTF-8 whatever bytes the file held.
std::string ValidUtf8(std::string_view text);
