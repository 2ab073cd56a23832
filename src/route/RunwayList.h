// The runway list of one airport, from the matching line of the data file: its
// entries in the order a sorted drop-down list shows them, and the runway the
// list proposes.
#pragma once

#include <string>
#include <vector>

#include "route/AirportLine.h"
#include "route/RouteTable.h"

struct RunwayList {
  std::vector<std::string> entries;        // sorted as CompareListEntries orders them
  char proposed[kRunwayTextLength + 1];     // the first entry when it has at most 30 characters, else ""
};

// One entry per part of each runway field of `fields` (see NextRunwayEntry),
// sorted. A line without runway fields, or whose fields give no entry, gives an
// empty list that proposes no runway. A first entry too long for a runway text
// proposes none either: a plan never carries the runway of another airport.
RunwayList ListRunways(const AirportLine& fields);
