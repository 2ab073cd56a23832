// Reader of The XML plans of Microsoft's simulators: FSX and Prepar3D, MSFS 2020 and the MSFS 2024 EFB plan.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kAceXmlReader;
