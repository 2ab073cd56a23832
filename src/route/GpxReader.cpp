// Reader of GPX 1.1 files: a route, else the waypoints or one track in their order.
#include "route/GpxReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kGpxReader = {"gpx", "a GPX file (.gpx)", Recognizes, Read, true};
