// Reader of Nav Flight Planner 3.x's binary plans.
#include "route/NavReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kNavReader = {"nav", "a Nav Flight Planner plan (.pln)", Recognizes, Read, true};
