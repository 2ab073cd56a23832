// The runway a plan names, from the stored runway text of a runway list entry
// ("16 12139 ": the runway 16, 12139 ft long).
#pragma once

#include <string>

#include "route/RouteTable.h"

// The first blank-delimited word of `runway` ("16" of "16 12139 "); empty when
// the text holds no word, so a plan never carries a missing value.
void FirstRunwayWord(const char* runway, char (&word)[kRunwayTextLength + 1]);

// The runway designator of `runway`'s first word: one or two digits of a
// heading 01 to 36, written with two, and an optional L, C or R ("5" gives "05",
// "05L" stays). False, with `designator` empty, for any other word (no runway,
// a helipad, a water lane), which a plan of runway designators must leave out.
bool RunwayDesignator(const char* runway, std::string& designator);
