// The airport/runway data file: as the settings name it, and opened wherever the
// current folder happens to be.
#pragma once

#include <memory>

#include "host/EnvironmentPort.h"
#include "host/FileSystem.h"
#include "host/Paths.h"

// The data file as configured: its path, and its file name as messages name it.
struct AirportFile {
  char path[kPathSize];
  char name[kPathSize];
};

// Opens the data file at `path` for reading. A relative path that does not open
// as given (the file dialogs move the current folder) is tried again in the
// program's folder, where the bundled data file is shipped, and then in
// ../share/plantransit from there, where a Unix installation keeps it. Null when
// none opens.
std::unique_ptr<InputFile> OpenAirportDataFile(FileSystem& files, EnvironmentPort& environment, const char* path);
