// Texts of the route for today's formats. The route table holds the 8-bit
// Windows-1252 text of the source export and the airport data file; the XML and
// X-Plane formats are UTF-8, and some readers take plain ASCII only. These turn
// the table's text into what a format needs, never passing its bytes through.
#pragma once

#include <string>

// `text` in UTF-8. Control characters, which XML cannot carry, and the five
// bytes Windows-1252 leaves undefined become "?".
std::string Utf8FromAnsi(const char* text);

// `text` in plain printable ASCII: letters with marks lose them (Zürich becomes
// Zurich, ß becomes ss), typographic quotes and dashes become their plain forms,
// a no-break space becomes a blank; anything without an ASCII form, control
// characters included, is left out.
std::string AsciiFromAnsi(const char* text);

// An airport name as people write it: the data file joins its words with "_".
std::string NameWithBlanks(const char* name);
