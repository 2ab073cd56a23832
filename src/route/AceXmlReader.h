// Reader of the XML plans of Microsoft's simulators (.pln, root SimBase.Document):
// FSX and Prepar3D, MSFS 2020 and the MSFS 2024 EFB plan.
#pragma once

#include "route/PlanReader.h"

// Reads a plan's ATCWaypoints, each with its id, ATCWaypointType and
// WorldPosition. An EFB plan (AppVersion 12) names its airports by DepartureID
// and DestinationID, with DepartureLLA and DestinationLLA where it has them, else
// by ident alone (hasPosition false, for the airport data to place); any other
// point without a WorldPosition (a navaid named by ICAO region) is refused, named.
extern const PlanReader kAceXmlReader;
