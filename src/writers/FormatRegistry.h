// The registry of formats: one row per plan format names everything about it,
// from its type number and converter key to its texts, its settings keys and its
// writer. Code that needs "every format" (Save all, Save as, the Exports page,
// the settings, the converter's options, the README's table) loops over it, so a
// new format is its writer, its row here and its tests.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "host/FileDialogPort.h"
#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

struct PlanReadBack;

// Writes `plan` as one plan of the format into `out`, block by block, stopping
// after a block that failed.
using PlanWriter = void (*)(const PlanInput& plan, PlanStream& out);

// The four texts of the save frame; "%s" is the file name.
struct FrameTexts {
  const char* emptyName;      // no path given
  const char* exists;         // first line of the overwrite question, ending in "\n"
  const char* createFailure;  // the file cannot be created
  const char* writeError;     // a block could not be written
};

// The settings page that holds a format's Save all switch and folder: the
// Exports page keeps the six programs of old, the Simulators page the rest.
enum class SettingsPage { Exports, Simulators };

// Positions (from 1) of a format in the orders the program keeps.
struct ExportOrder {
  int saveAll;       // plans written by Save all, and by the converter's "all"
  int onPage;        // rows of its settings page
  int switchStore;   // Save all switches written when its page is applied
  int folderStore;   // Save all folders written then, after the switches
};

struct ExportType {
  int32_t code;               // type number, stored as "FilterIndex"; its Save-as filter follows the table's order
  const char* key;            // the converter's name for it: -f msfs2020
  const char* name;           // its Save all switch key in [Startup]; the converter's folder of it
  const char* title;          // how the README and the converter's help name it
  const char* fileKind;       // the README's description of the file
  const char* readBy;         // the README's readers of the file
  const char* label;          // its row on the Exports page
  const char* extension;      // with its dot
  FileFilter filter;          // its Save-as filter
  bool untested;              // Save as warns that the type is not yet tested
  PlanWriter writer;
  const PlanReadBack* readBack;  // how a plan written is read back and checked
  FrameTexts texts;
  const char* createdMessage;  // after the plan was written, "%s" the file name
  const char* failedMessage;   // after it was not
  const char* folderSection;   // the profile section whose "Pathname" holds its Save all folder
  bool folderInSimulator;      // that folder defaults to the Flight Simulator's own plan folder
  SettingsPage page;
  ExportOrder order;
  const char* switchField;     // how the converter's settings report names the switch
  const char* folderField;     // and the folder
};

constexpr int kExportTypeCount = 18;
// The type number stored for "All files (*.*)", the last Save-as filter, which
// selects no format. Formats after the first ten take the numbers after it: a
// stored type number keeps its meaning whatever is added.
constexpr int32_t kAllFilesType = 11;

// The formats in the order of the Save-as filters, the converter's help and the
// README's table: the six programs of old, then the simulators of today.
extern const ExportType kExportTypes[kExportTypeCount];

// The format with type number `code`; null for "All files" and any other number.
const ExportType* FindExportType(int code);

// The format the converter names `key` ("msfs2020"); null for none.
const ExportType* FindExportTypeByKey(std::string_view key);

// The position of `type` in kExportTypes, by which the settings keep its switch
// and its folder.
inline int IndexOf(const ExportType& type) { return static_cast<int>(&type - kExportTypes); }

using ExportTypeList = std::array<const ExportType*, kExportTypeCount>;

// Every format, in the order one of ExportOrder's columns gives.
ExportTypeList ExportTypesInOrder(int ExportOrder::*column);

// The extension that naming gives a type number: its format's, or ".pln" for any
// other number.
const char* ExtensionForExportCode(int code);
