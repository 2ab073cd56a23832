// What one run of the command-line converter is asked to do, and how the command
// line says it.
#pragma once

#include <string>
#include <vector>

#include "writers/FormatRegistry.h"

struct ConvertOptions {
  std::vector<std::string> sources;
  std::vector<const ExportType*> formats;  // in Save all order, each once
  std::string outDir;               // empty: the current folder
  std::string airportFile;          // empty: the configured file, else the bundled one
  int namingRule = 0;               // autogenMode 0..2
  int flightType = 0;               // 0 VFR, 1 IFR
  int routeType = 1;                // 0 GPS, 1 VOR, 2 low, 3 high airways
  bool overrideDepartureRunway = false;
  std::string departureRunway;
  bool overrideDestinationRunway = false;
  std::string destinationRunway;
  bool force = false;
  bool verify = true;                // --no-verify turns the reading back off
  bool quiet = false;
  bool showSettings = false;
  bool listFormats = false;
};

enum class ParseResult {
  Run,        // options filled, go on
  Done,       // --help or --version printed: exit 0
  UsageError  // message printed: exit 2
};

// Parses the command line into `options`, printing help, the version or a usage
// error to the standard streams.
ParseResult ParseConvertOptions(int argc, char** argv, ConvertOptions& options);
