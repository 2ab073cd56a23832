// Reader of Garmin's FlightPlan v1 plans (.fpl).
#include "route/GarminReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kGarminReader = {"garmin", "a Garmin plan (.fpl)", Recognizes, Read, true};
