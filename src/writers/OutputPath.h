// Output file naming: folder, file name by the naming rule, extension by export
// type.
#pragma once

#include "App.h"

// Naming rules, the setting `autogenMode`.
enum NamingRule : int {
  kNameFromSourceFile = 0,    // the source file's name
  kNameFromIdents = 1,        // "LSZH-LSGG"
  kNameFromAirportNames = 2,  // "Zurich to Geneva"
  kNameByUser = 3,            // the name as it stands; so is any other value
};

// Sets `name` (260 bytes, in/out) by the naming rule `autogenMode` and replaces
// its extension by that of `exportType` (".prg", ".apl", ".sbp", else ".pln"),
// then sets `path` (260 bytes) to `folder`, the platform's separator unless the
// folder already ends in one, and the name. Rules 1 and 2 replace the characters
// a file name may not hold (\ / : * ? " < > | and control characters) by "_";
// with no route in the table they keep the name as it stands, like rule 3.
// Never shortens: when the name with its new extension or the whole path would
// exceed 259 characters, `path` is emptied and the answer is false.
bool MakeOutputPath(const App& app, const char* folder, char* path, char* name, int exportType);
