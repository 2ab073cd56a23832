// Reader of the SimBrief briefing (OFP) saved as XML.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kSimBriefReader;
