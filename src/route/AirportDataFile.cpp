// The data file as given, else beside the program.
#include "route/AirportDataFile.h"

#include <cstdio>

#include "host/EnvironmentPort.h"
#include "host/PathSeparator.h"

namespace {

// `path` under the program's folder into `out`; false when there is no such
// folder or the joined path does not fit.
bool BesideProgram(App& app, const char* path, char (&out)[kPathSize]) {
  char folder[kPathSize];
  if (app.host.environment == nullptr || !app.host.environment->ProgramFolder(folder, sizeof folder)) {
    return false;
  }
  int length = std::snprintf(out, sizeof out, "%s%c%s", folder, kPathSeparator, path);
  return length > 0 && length < kPathSize;
}

}  // namespace

std::unique_ptr<InputFile> OpenAirportDataFile(App& app, const char* path) {
  std::unique_ptr<InputFile> file = app.host.files->OpenForReading(path);
  if (file != nullptr || path[0] == '\0' || IsAbsolutePath(path)) return file;
  char besideProgram[kPathSize];
  if (!BesideProgram(app, path, besideProgram)) return nullptr;
  return app.host.files->OpenForReading(besideProgram);
}
