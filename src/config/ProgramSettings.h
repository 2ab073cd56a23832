// The in-memory mirror of the configuration file: window options, naming rule,
// default folders, presets, the files last used, and each format's Save all
// switch and folder.
#pragma once

#include <cstdint>

#include "host/Paths.h"
#include "writers/FormatRegistry.h"

struct ProgramSettings {
  int32_t menuOption;          // 1: the main window shows its menu bar
  int32_t mouseOption;         // 1: the right button opens the shortcut menu
  int32_t showToolbar;
  int32_t showStatusbar;
  int32_t showTooltips;
  int32_t autogenMode;         // naming rule 0..3
  int32_t defaultFlightType;   // 0 VFR, 1 IFR
  int32_t defaultRouteType;    // 0 Direct GPS, 1 VOR to VOR, 2 low, 3 high airways
  int32_t airportSource;       // 0 FliteStar/FliteMap data, 1 MS FS data
  int32_t exportType;          // a format's type number, or kAllFilesType ("All files")
  char airportFilePath[kPathSize];
  char airportFileName[kPathSize];
  char sourceFilePath[kPathSize];
  char sourceFileName[kPathSize];
  char destFilePath[kPathSize];
  char destFileName[kPathSize];
  char defaultSourceDir[kPathSize];
  char defaultDestDir[kPathSize];
  // By the format's position in the registry (IndexOf).
  int32_t bulkSwitches[kExportTypeCount];      // non-zero: Save all writes the format
  char bulkFolders[kExportTypeCount][kPathSize];  // where Save all writes it
};

inline int32_t& BulkSwitch(ProgramSettings& settings, const ExportType& type) {
  return settings.bulkSwitches[IndexOf(type)];
}
inline int32_t BulkSwitch(const ProgramSettings& settings, const ExportType& type) {
  return settings.bulkSwitches[IndexOf(type)];
}
inline char* BulkFolder(ProgramSettings& settings, const ExportType& type) {
  return settings.bulkFolders[IndexOf(type)];
}
inline const char* BulkFolder(const ProgramSettings& settings, const ExportType& type) {
  return settings.bulkFolders[IndexOf(type)];
}
