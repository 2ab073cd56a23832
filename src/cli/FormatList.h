// The formats by their keys: "plantransit-convert --list-formats", and the list
// of keys the converter and the browser page are given.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "writers/FormatRegistry.h"

// One line per format, in the registry's order: its key, its extension, the
// folder its plans go to when several formats are written, and who reads it,
// separated by tabs.
void PrintFormatList(std::FILE* out);

// "msfs, acs-gps, ..., gpx or all": every key, in the registry's order.
std::string FormatList();

// "msfs,sqb" or "all" into `formats`, in Save all order, each once. The problem
// ("unknown format \"x\" (...)"), or an empty text when every word is a key.
std::string FormatsFromList(const std::string& list, std::vector<const ExportType*>& formats);
