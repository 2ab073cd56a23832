// The error for a source that is no flight plan PlanTransit reads, word for word:
// written out here once, so that a change to the kinds read is seen by the tests.
#pragma once

#include <string>

inline std::string NoPlanOfAnyKindText(const std::string& name) {
  return name +
         " is not a valid FliteStar Flightplan file!\nNor is it another flight plan PlanTransit reads: a FliteStar "
         "export, an MSFS, FSX or Prepar3D plan (.pln), a Little Navmap plan (.lnmpln), a SimBrief OFP (.xml), a "
         "Garmin plan (.fpl), a GPX file (.gpx), a KML file (.kml), a FlightGear route (.fgfp), an X-Plane plan "
         "(.fms), a Garmin GFP plan (.gfp), an FLP plan (.flp), an MS FS2000/2002 plan (.pln), a Super Flight "
         "Planner plan (.pln), a Nav Flight Planner plan (.pln), a PMDG route (.rte).";
}
