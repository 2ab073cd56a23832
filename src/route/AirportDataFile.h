// Opening the airport/runway data file, wherever the current folder happens to be.
#pragma once

#include <memory>

#include "App.h"
#include "host/FileSystem.h"

// Opens the data file at `path` for reading. A relative path that does not open
// as given (the file dialogs move the current folder) is tried again in the
// program's folder, where the bundled data file is shipped, and then in
// ../share/plantransit from there, where a Unix installation keeps it. Null when
// none opens. `path` itself is left as configured.
std::unique_ptr<InputFile> OpenAirportDataFile(App& app, const char* path);
