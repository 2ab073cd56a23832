// Text read from today's plan files is UTF-8; the route table keeps the
// Windows-1252 text of the FliteStar export and the airport data. This turns the
// one into the other.
#pragma once

#include <string>
#include <string_view>

// `text` (UTF-8) in Windows-1252: every character that has a Windows-1252 byte
// gets it; any other, and any byte that is not part of valid UTF-8, becomes "?".
std::string AnsiFromUtf8(std::string_view text);
