// One source plan converted into every requested format: the same route build,
// naming and writers as the window's Build and Save.
#pragma once

#include <string>

#include "cli/ConvertOptions.h"

struct App;

// Fills the settings the conversion reads from `options`: naming rule, output
// folder and airport data file (the configuration's when a configuration file
// exists and --airports is not given, else the bundled "Fsb_apts.txt").
void ApplyConvertOptions(App& app, const ConvertOptions& options);

// Builds the route of `source` and writes each requested format. Each written
// plan's path goes to standard output unless quiet; every problem is told through
// the message port. True when every requested plan was written.
bool ConvertSource(App& app, const ConvertOptions& options, const std::string& source);
