// Reader of The INI plans of Microsoft Flight Simulator 2000/2002.
#include "route/MsfsIniReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kMsfsIniReader = {"msfs", "an MS FS2000/2002 plan (.pln)", Recognizes, Read, true};
