// Reader of X-Plane's .fms plans, version 3 and 1100.
#include "route/XPlaneReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kXPlaneReader = {"xplane", "an X-Plane plan (.fms)", Recognizes, Read, true};
