// Reader of Super Flight Planner's binary plans.
#include "route/SfpReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kSfpReader = {"sfp", "a Super Flight Planner plan (.pln)", Recognizes, Read, true};
