// Texts of the route for today's formats. The route table holds the 8-bit
// Windows-1252 text of the source export and the airport data file; the XML and
// X-Plane formats are UTF-8, and some readers take plain ASCII only. These turn
// the table's text into what a format needs, never passing its bytes through.
#pragma once

#include <string>

#include "route/RouteTable.h"

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

// The row's name for today's formats, in the table's Windows-1252: as people
// write it (NameWithBlanks), without blanks at its ends (a 50-character name cut
// after a "_" would end in one), and empty when the airport lookup gave one of
// its failure texts in place of a name: a plan names no airport it did not find.
std::string PlaceName(const WaypointRow& row);
