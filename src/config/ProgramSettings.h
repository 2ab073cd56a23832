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
  int32_t exportType;          // 1..10 a writer, 11 "All files (*.*)"
  int32_t bulkAcsGps;
  int32_t bulkNav;
  int32_t bulkMsfs;
  int32_t bulkRc99;
  int32_t bulkSqb;
  int32_t bulkSfp;
  int32_t bulkMsfsXml;         // MSFS 2020/2024, FSX, Prepar3D
  int32_t bulkXPlane;
  int32_t bulkGarmin;
  int32_t bulkGpx;
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
  char msfsXmlDir[kPathSize];
  char xplaneDir[kPathSize];
  char garminDir[kPathSize];
  char gpxDir[kPathSize];
};
