// Writer of the FSX and Prepar3D plan: the XML plan the three simulators share, with FSX's version.
#include "writers/FsxWriter.h"

#include "route/AceXmlReader.h"
#include "writers/AceXmlPlanWriter.h"

namespace {

// The version of the SDK's plan template, which FSX and Prepar3D write and their add-ons expect.
constexpr AceAppVersion kFsxVersion = {"10", "61472"};

}  // namespace

void WriteFsxPlan(const PlanInput& plan, PlanStream& out) { WriteAceXmlPlan(plan, out, kFsxVersion); }

PlanPoints ExpectedFsxPoints(const PlanInput& plan) { return ExpectedAceXmlPoints(plan); }

const PlanReadBack kFsxReadBack = {&kAceXmlReader, ExpectedFsxPoints, kAceXmlDegrees, kAceXmlFeet};
