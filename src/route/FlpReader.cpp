// Reader of The FLP plans of the Aerosoft aircraft and X-Plane FMS add-ons.
#include "route/FlpReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kFlpReader = {"flp", "an FLP plan (.flp)", Recognizes, Read, true};
