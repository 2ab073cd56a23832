// Reader of the FLP plans of the Aerosoft aircraft and X-Plane FMS add-ons.
#pragma once

#include "route/PlanReader.h"

// Reads the departure airport (ArptDep), the direct legs of [CoRte] in order and
// the arrival airport (ArptArr). The airports, and legs without coordinates, come
// without a position (the build places airports at the ends from the airport
// data and refuses other points named only); an airway leg is refused.
extern const PlanReader kFlpReader;
