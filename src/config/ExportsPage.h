// The Exports page: one row per program of old, in the page's order, each a Save
// all switch, the format's folder and a "..." button that picks it.
#pragma once

#include <vector>

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

using ExportsPageRows = std::vector<ExportsPageRow>;

// The rows of the formats the registry puts on the Exports page, in its order.
// The first ten rows keep the control ids they have always had; each row after
// them takes the next three ids from 1100 on.
const ExportsPageRows& ExportsPage();
