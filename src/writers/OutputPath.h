// Output file naming: folder, file name by the naming rule, extension by format.
#pragma once

#include <cstdint>

#include "route/RouteTable.h"

// Naming rules, the setting `autogenMode`.
enum NamingRule : int {
  kNameFromSourceFile = 0,    // the source file's name
  kNameFromIdents = 1,        // "LSZH-LSGG"
  kNameFromAirportNames = 2,  // "Zurich to Geneva"
  kNameByUser = 3,            // the name as it stands; so is any other value
};

// What a name is made of: the rule, the source file's name and the route (null,
// or without rows, when none has been read).
struct NamingInput {
  int32_t rule;
  const char* sourceFileName;
  const RouteTable* route;
};

// Sets `name` (260 bytes, in/out) by the naming rule and replaces its extension
// by `extension` (".prg", ".pln", ...), then sets `path` (260 bytes) to `folder`,
// the platform's separator unless the folder already ends in one, and the name.
// Rules 1 and 2 replace the characters a file name may not hold (\ / : * ? " < >
// | and control characters) by "_"; with no route they keep the name as it
// stands, like rule 3. Never shortens: when the name with its new extension or
// the whole path would exceed 259 characters, `path` is emptied and the answer
// is false.
bool MakeOutputPath(const NamingInput& naming, const char* folder, const char* extension, char* path, char* name);
