// Reader of The XML plans of Microsoft's simulators: FSX and Prepar3D, MSFS 2020 and the MSFS 2024 EFB plan.
#include "route/AceXmlReader.h"

namespace {

bool Recognizes(std::string_view) { return false; }

bool Read(std::string_view, PlanPoints&, std::string& problem) {
  problem = "not read yet";
  return false;
}

}  // namespace

const PlanReader kAceXmlReader = {"msfs-xml", "an MSFS, FSX or Prepar3D plan (.pln)", Recognizes, Read, true};
