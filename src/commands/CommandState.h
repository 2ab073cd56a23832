// The state that ties the steps of a conversion together in the main window:
// whether the destination edit changed, and the names the bulk run writes under.
#pragma once

#include <cstdint>

#include "config/ProgramSettings.h"

struct CommandState {
  bool destinationEdited;     // edit 1013 changed since the bulk run last read it
  int32_t bulkCount;          // export types the current bulk run has attempted
  char bulkPath[kPathSize];   // full path of the current bulk plan; kept between runs
  char bulkName[kPathSize];   // its file name; kept between runs (naming rule 3 reuses it)
};
