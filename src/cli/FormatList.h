// "plantransit-convert --list-formats": every format the converter writes.
#pragma once

#include <cstdio>

// One line per format, in the registry's order: its key, its extension, the
// folder its plans go to when several formats are written, and who reads it,
// separated by tabs.
void PrintFormatList(std::FILE* out);
