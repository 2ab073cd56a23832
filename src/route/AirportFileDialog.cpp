// The request of the data-file dialog: title, filters, default extension.
#include "route/AirportFileDialog.h"

#include <cstdio>

#include "host/Paths.h"

namespace {

constexpr const char* kDefaultAirportFile = "Fsb_apts.txt";

constexpr FileFilter kAirportFileFilters[] = {
    {"Airport/Runway files (*.TXT)", "*.TXT"},
    {"All files (*.*)", "*.*"},
};

}  // namespace

bool OpenAirportFileDialog(FileDialogPort& dialogs, char* path, char* name) {
  FileDialogRequest request{};
  request.title = "Open Airport/Runway data file";
  request.filters = kAirportFileFilters;
  request.filterCount = static_cast<int>(sizeof kAirportFileFilters / sizeof kAirportFileFilters[0]);
  request.filterIndex = 1;
  request.initialFolder = nullptr;
  request.defaultExtension = "txt";
  request.fileMustExist = true;
  // The dialog works on buffers of its own, so a cancel leaves the caller's alone.
  char chosenPath[kPathSize];
  char chosenName[kPathSize];
  std::snprintf(chosenPath, sizeof chosenPath, "%s", kDefaultAirportFile);
  std::snprintf(chosenName, sizeof chosenName, "%s", kDefaultAirportFile);
  if (!dialogs.ShowOpenDialog(request, chosenPath, chosenName)) return false;
  chosenPath[kPathSize - 1] = '\0';
  chosenName[kPathSize - 1] = '\0';
  std::snprintf(path, kPathSize, "%s", chosenPath);
  std::snprintf(name, kPathSize, "%s", chosenName);
  return true;
}
