// Reader of KML 2.2 documents: the route's line named by its placemarks, or the placemarks alone.
#pragma once

#include "route/PlanReader.h"

extern const PlanReader kKmlReader;
