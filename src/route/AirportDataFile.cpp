// The data file as given, else where the program's installation keeps it.
#include "route/AirportDataFile.h"

#include <cstdio>

namespace {

// Opens `path` under the program's folder: beside the program (the Windows
// folder, the zip, the build tree), else in ../share/plantransit, where a Unix
// installation (the .deb: /usr/bin and /usr/share/plantransit) keeps its data.
// Null when there is no program folder or neither opens; a joined path that does
// not fit is not tried.
std::unique_ptr<InputFile> OpenUnderProgramFolder(FileSystem& files, EnvironmentPort& environment,
                                                  const char* path) {
  char folder[kPathSize];
  if (!environment.ProgramFolder(folder, sizeof folder)) return nullptr;
  constexpr char s = kPathSeparator;
  char candidate[kPathSize];
  int length = std::snprintf(candidate, sizeof candidate, "%s%c%s", folder, s, path);
  if (length > 0 && length < kPathSize) {
    if (std::unique_ptr<InputFile> file = files.OpenForReading(candidate)) return file;
  }
  length = std::snprintf(candidate, sizeof candidate, "%s%c..%cshare%cplantransit%c%s", folder, s, s, s, s, path);
  if (length > 0 && length < kPathSize) return files.OpenForReading(candidate);
  return nullptr;
}

}  // namespace

std::unique_ptr<InputFile> OpenAirportDataFile(FileSystem& files, EnvironmentPort& environment, const char* path) {
  std::unique_ptr<InputFile> file = files.OpenForReading(path);
  if (file != nullptr || path[0] == '\0' || IsAbsolutePath(path)) return file;
  return OpenUnderProgramFolder(files, environment, path);
}
