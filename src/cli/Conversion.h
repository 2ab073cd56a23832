// One source plan converted into every requested format: the same route build,
// naming and save frame as the window's Build and Save.
#pragma once

#include <string>
#include <vector>

#include "cli/ConvertOptions.h"
#include "host/DatePort.h"
#include "host/EnvironmentPort.h"
#include "host/FileDialogPort.h"
#include "host/FileSystem.h"
#include "host/MessagePort.h"
#include "host/RegistryPort.h"
#include "route/AirportDataFile.h"
#include "route/AirportSource.h"

// What the converter reaches the platform through; none of them asks anything.
struct ConverterPorts {
  MessagePort& messages;
  FileSystem& files;
  EnvironmentPort& environment;
  RegistryPort& registry;
  FileDialogPort& dialogs;
  DatePort& dates;
  AirportSource& airports;
};

// A run of the converter: its options, its ports, and the airport data file all
// its sources are looked up in.
struct Conversion {
  const ConvertOptions& options;
  const ConverterPorts& ports;
  AirportFile airportFile;
  // When set, the path of every plan written is added (the browser page offers
  // each for download).
  std::vector<std::string>* written = nullptr;
};

// The run of `options`: the airport data file is --airports when given, else the
// configuration's when a configuration file exists, else the bundled
// "Fsb_apts.txt".
Conversion PrepareConversion(const ConvertOptions& options, const ConverterPorts& ports);

// Builds the route of `source` and writes each requested format. Each written
// plan's path goes to standard output unless quiet; every problem is told through
// the message port. True when every requested plan was written.
bool ConvertSource(Conversion& conversion, const std::string& source);
