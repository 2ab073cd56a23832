// Reader of Radar Contact plans: no identifiers between the airports, so never a source.
#include "route/RadarContactReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kRadarContactReader = {"rc99", "a Radar Contact plan (.apl)", Recognizes, Read, false};
