// Reader of KML 2.2 documents: the route's line and its placemarks.
#include "route/KmlReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kKmlReader = {"kml", "a KML file (.kml)", Recognizes, Read, true};
