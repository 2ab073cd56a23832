// Reader of The PMDG aircraft's route files (.rte).
#include "route/PmdgReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kPmdgReader = {"pmdg", "a PMDG route (.rte)", Recognizes, Read, true};
