// "plantransit-convert --settings": the configuration file in use and every
// program setting as loaded from it.
#pragma once

#include <cstdio>

struct App;

// Prints "configuration=<path>" (empty when there is none) and then one
// "name=value" line per field of the program settings, in the settings' order.
// Writes nothing.
void PrintSettingsReport(App& app, std::FILE* out);
