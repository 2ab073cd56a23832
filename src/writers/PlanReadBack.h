// Every plan is read back from its new file before it takes its target's place,
// and compared with what it should hold: a plan that would load wrong is never
// put in place. What a format is read back with, and how closely it must agree.
#pragma once

#include <string>
#include <string_view>

#include "route/PlanPoints.h"
#include "route/PlanReader.h"
#include "writers/PlanInput.h"

struct PlanReadBack {
  // The format's reader; null for a format compared byte for byte with its
  // writer's own output (the binary plans of the old list).
  const PlanReader* reader;
  // The points the format holds for `plan`: identifiers, kinds and positions as
  // the writer writes them, so that a reader's points can be held to them.
  PlanPoints (*expect)(const PlanInput& plan);
  double degrees;  // positions agree within this (the format's precision)
  double feet;     // altitudes agree within this; negative when the format keeps none
};

struct ExportType;

// The first difference between `written` (the bytes of a plan of `type` written
// for `plan`) and what it should hold, in words ("point 3 (TRA): latitude read
// back as 8.437000, written for 47.689167"); "" when there is none.
std::string FirstWrittenDifference(const ExportType& type, const PlanInput& plan, std::string_view written);

// The first difference between the points `expected` and `read`: their number,
// then point by point identifier, kind (where both say), position and altitude
// (where both keep one) within the tolerances of `rules`; "" when they agree.
std::string FirstPointDifference(const PlanPoints& expected, const PlanPoints& read, const PlanReadBack& rules);
