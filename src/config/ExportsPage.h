// The Exports page: one row per format, in the page's order, each a Save all
// switch, the format's folder and a "..." button that picks it.
#pragma once

#include <array>

#include "writers/FormatRegistry.h"

struct ExportsRowControls {
  int check;
  int folderEdit;
  int folderButton;
};

struct ExportsPageRow {
  const ExportType* type;
  ExportsRowControls controls;
};

using ExportsPageRows = std::array<ExportsPageRow, kExportTypeCount>;

// The rows in the page's order (ExportOrder::exportsPage). The first ten rows
// keep the control ids they have always had; each row after them takes the next
// three ids from 1100 on.
const ExportsPageRows& ExportsPage();
