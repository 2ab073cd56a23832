// Reader of The SimBrief briefing (OFP) saved as XML.
#include "route/SimBriefReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kSimBriefReader = {"simbrief", "a SimBrief OFP (.xml)", Recognizes, Read, true};
