// Reader of KML 2.2 documents: the route's line and its placemarks.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kKmlReader;
