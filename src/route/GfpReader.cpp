// Reader of The one-line GFP plans of the Garmin add-ons.
#include "route/GfpReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kGfpReader = {"gfp", "a Garmin GFP plan (.gfp)", Recognizes, Read, true};
