// The Microsoft Flight Simulator 2024 plan: the EFB's XML flight plan, AppVersion 12.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

void WriteMsfs2024Plan(const PlanInput& plan, PlanStream& out);
