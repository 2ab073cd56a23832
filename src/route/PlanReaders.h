// Every kind of plan file PlanTransit reads, and which one a file is: found from
// its content, never from its name.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "route/PlanReader.h"

// The readers, those of files with the clearest signatures first.
std::span<const PlanReader* const> PlanReaders();

// The reader of the first kind `bytes` look like; null when they look like none.
const PlanReader* RecognizePlan(std::string_view bytes);

// The reader called `key`; null for none.
const PlanReader* FindPlanReader(std::string_view key);

// The kinds a conversion can start from, as a message lists them: "a FliteStar
// export, an MSFS, FSX or Prepar3D plan (.pln), ...".
std::string SourceKinds();
