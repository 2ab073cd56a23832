// Writer of the Microsoft Flight Simulator 2024 plan: the EFB's XML flight plan, AppVersion 12.
#include "writers/Msfs2024Writer.h"

void WriteMsfs2024Plan(const PlanInput&, PlanStream&) {}
