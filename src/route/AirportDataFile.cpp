// The data file as given, else where the program's installation keeps it.
#include "route/AirportDataFile.h"

#include <cstdio>

#include "host/EnvironmentPort.h"
#include "host/PathSeparator.h"

namespace {

// Opens `path` under the program's folder: beside the program (the Windows
// folder, the zip, the build tree), else in ../share/plantransit, where a Unix
// installation (the .deb: /usr/bin and /usr/share/plantransit) keeps its data.
// Null when there is no program folder or neither opens; a joined path that does
// not fit is not tried.
std::unique_ptr<InputFile> OpenUnderProgramFolder(App& app, const char* path) {
  char folder[kPathSize];
  if (app.host.environment == nullptr || !app.host.environment->ProgramFolder(folder, sizeof folder)) {
    return nullptr;
  }
  constexpr char s = kPathSeparator;
  char candidate[kPathSize];
  int length = std::snprintf(candidate, sizeof candidate, "%s%c%s", folder, s, path);
  if (length > 0 && length < kPathSize) {
    if (std::unique_ptr<InputFile> file = app.host.files->OpenForReading(candidate)) return file;
  }
  length = std::snprintf(candidate, sizeof candidate, "%s%c..%cshare%cplantransit%c%s", folder, s, s, s, s, path);
  if (length > 0 && length < kPathSize) return app.host.files->OpenForReading(candidate);
  return nullptr;
}

}  // namespace

std::unique_ptr<InputFile> OpenAirportDataFile(App& app, const char* path) {
  std::unique_ptr<InputFile> file = app.host.files->OpenForReading(path);
  if (file != nullptr || path[0] == '\0' || IsAbsolutePath(path)) return file;
  return OpenUnderProgramFolder(app, path);
}
