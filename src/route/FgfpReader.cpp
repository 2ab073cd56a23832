// Reader of FlightGear's route manager plans (.fgfp).
#include "route/FgfpReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kFgfpReader = {"fgfp", "a FlightGear route (.fgfp)", Recognizes, Read, true};
