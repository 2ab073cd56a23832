// Reader of Little Navmap's own plan file, .lnmpln.
#include "route/LnmplnReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kLnmplnReader = {"lnmpln", "a Little Navmap plan (.lnmpln)", Recognizes, Read, true};
