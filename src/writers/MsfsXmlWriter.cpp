// Writer of export type MSFS2020: the XML plan the three simulators share, with MSFS 2020's version.
#include "writers/MsfsXmlWriter.h"

#include "route/AceXmlReader.h"
#include "writers/AceXmlPlanWriter.h"

namespace {

// The build of MSFS 2020 its own plans name; major version 11 marks a plan of it.
constexpr AceAppVersion kMsfs2020Version = {"11", "282174"};

}  // namespace

void WriteMsfsXmlPlan(const PlanInput& plan, PlanStream& out) { WriteAceXmlPlan(plan, out, kMsfs2020Version); }

PlanPoints ExpectedMsfsXmlPoints(const PlanInput& plan) { return ExpectedAceXmlPoints(plan); }

const PlanReadBack kMsfsXmlReadBack = {&kAceXmlReader, ExpectedMsfsXmlPoints, kAceXmlDegrees, kAceXmlFeet};
