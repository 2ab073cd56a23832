// Reader of ACS-GPS plans: no departure airport, so never a source.
#include "route/AcsGpsReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kAcsGpsReader = {"acs-gps", "an ACS-GPS plan (.prg)", Recognizes, Read, false};
