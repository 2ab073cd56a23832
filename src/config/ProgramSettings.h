// The in-memory mirror of the configuration file: window options, naming rule,
// default folders, bulk switches and folders per export type, presets and the
// files last used.
#pragma once

#include <cstdint>

constexpr int kPathSize = 260;  // every path and name buffer: 259 characters and the zero

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
  int32_t exportType;          // 1..6 a writer, 7 "All files (*.*)"
  int32_t bulkAcsGps;
  int32_t bulkNav;
  int32_t bulkMsfs;
  int32_t bulkRc99;
  int32_t bulkSqb;
  int32_t bulkSfp;
  char airportFilePath[kPathSize];
  char airportFileName[kPathSize];
  char sourceFilePath[kPathSize];
  char sourceFileName[kPathSize];
  char destFilePath[kPathSize];
  char destFileName[kPathSize];
  char defaultSourceDir[kPathSize];
  char defaultDestDir[kPathSize];
  char msfsDir[kPathSize];
  char navDir[kPathSize];
  char acsGpsDir[kPathSize];
  char rc99Dir[kPathSize];
  char sqbDir[kPathSize];
  char sfpDir[kPathSize];
};
