// The export types: one row per simulator format, listed once. Code that needs
// "every writer" (the bulk run, the save dialog's filters, tests) loops over this
// table.
#pragma once

#include <cstdint>

#include "config/ProgramSettings.h"

struct App;

// The export type code equals the 1-based filter index of the "Save as" dialog.
enum ExportCode : int32_t {
  kExportMsfs = 1,
  kExportAcsGps = 2,
  kExportRc99 = 3,
  kExportSqb = 4,
  kExportSfp = 5,
  kExportNav = 6,
  kExportMsfsXml = 7,   // MSFS 2020/2024, FSX, Prepar3D
  kExportXPlane = 8,
  kExportGarmin = 9,
  kExportGpx = 10,
  kExportAllFiles = 11,  // the "All files (*.*)" filter: selects no writer
};

constexpr int kExportTypeCount = 10;

// Writes the route as one plan. `path` is the full path, `name` the file name
// used in messages; both are 260-byte buffers whose extension the writer replaces
// first, so the caller sees the final names. Returns 1 when written, else 0.
using PlanWriter = int (*)(App& app, char* path, char* name);

// The four texts of the export frame; "%s" is the file name.
struct FrameTexts {
  const char* emptyName;      // no path given
  const char* exists;         // first line of the overwrite question
  const char* createFailure;  // the file cannot be created
  const char* writeError;     // a block could not be written
};

struct ExportType {
  ExportCode code;
  const char* name;            // also the key of its bulk switch
  const char* consumer;
  const char* extension;
  const char* filterText;      // description in the "Save as" filter list
  const char* filterPattern;
  PlanWriter writer;
  FrameTexts texts;
  const char* createdMessage;  // after a plan was written, "%s" the file name
  const char* failedMessage;   // after a writer returned 0
  int32_t ProgramSettings::*bulkSwitch;
  char (ProgramSettings::*bulkFolder)[kPathSize];
};

// The types in code order (1..10): the six plans of the early simulators and
// planners, then those of the simulators flown today.
extern const ExportType kExportTypes[kExportTypeCount];

// The order of the bulk run: MSFS, ACS-GPS, SQB, RC99, SFP, NAV, then MSFS2020,
// XPLANE, GARMIN, GPX.
extern const ExportCode kBulkOrder[kExportTypeCount];

// The type with this code, or null for 11 ("All files") and any other value.
const ExportType* FindExportType(int code);

// The extension that naming gives a code: its type's, or ".pln" for any other.
const char* ExtensionForExportCode(int code);
