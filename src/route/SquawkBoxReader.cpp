// Reader of SquawkBox plans: no airport positions, so never a source.
#include "route/SquawkBoxReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kSquawkBoxReader = {"sqb", "a SquawkBox plan (.sbp)", Recognizes, Read, false};
