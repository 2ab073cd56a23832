// The FSX and Prepar3D plan: the XML flight plan of their SDK, AppVersion 10.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanReadBack.h"
#include "writers/PlanStream.h"

// Writes the whole document (at least two rows) as WriteAceXmlPlan does, AppVersion 10, build 61472.
void WriteFsxPlan(const PlanInput& plan, PlanStream& out);

// The points a plan written by WriteFsxPlan holds (ExpectedAceXmlPoints).
PlanPoints ExpectedFsxPoints(const PlanInput& plan);

// How a plan written by WriteFsxPlan is read back and checked.
extern const PlanReadBack kFsxReadBack;
