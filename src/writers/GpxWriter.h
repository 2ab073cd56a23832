// The GPX 1.1 route (".gpx"), read by moving maps, EFB apps and GPS tools.
#pragma once

#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

// Writes one route named after the plan ("LSZH to LSGG"), described by its
// airports' names, flight type, route type and cruising altitude, with one point
// per row: position, elevation in metres, identifier, name and kind.
void WriteGpxPlan(const PlanInput& plan, PlanStream& out);
