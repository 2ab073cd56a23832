// The open dialog for the airport/runway data file, used by the lookup and by
// the settings sheet.
#pragma once

#include "host/FileDialogPort.h"

// Lets the user pick an existing data file ("Fsb_apts.txt" proposed, the current
// folder first). True with `path` and `name` (260-byte buffers) set to the full
// path and the file name when he chose one; false with both untouched on Cancel.
bool OpenAirportFileDialog(FileDialogPort& dialogs, char* path, char* name);
