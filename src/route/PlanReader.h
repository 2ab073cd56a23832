// A reader of one kind of plan file: it says from the bytes whether a file is of
// its kind, and reads such a file into the plan's points. Readers never guess:
// a file they cannot read whole is refused with the line or element at fault.
#pragma once

#include <string>
#include <string_view>

#include "route/PlanPoints.h"

struct PlanReader {
  const char* key;          // "msfs-xml", "xplane", ...
  const char* kind;         // how messages name a file of its kind: "an X-Plane plan (.fms)"
  // True when `bytes` look like a file of this kind: its signature, never its
  // file name. Cheap: it reads no more than the file's start where it can.
  bool (*recognizes)(std::string_view bytes);
  // Reads the whole file into `plan`; false, with `problem` saying where and what
  // ("line 12: ...", "ATCWaypoint 3: ..."), when it cannot. A file that names
  // points without their positions is refused, the points named.
  bool (*read)(std::string_view bytes, PlanPoints& plan, std::string& problem);
  // The file holds what a route needs (its points' identifiers and positions, in
  // order, airports at the ends): it can be the source of a conversion. Other
  // readers only check the plans PlanTransit writes.
  bool isSource;
};
