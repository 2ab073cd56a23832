// The export type table with every text of the frame and of the bulk run.
#include "writers/ExportType.h"

#include "writers/PlanWriters.h"

const ExportType kExportTypes[kExportTypeCount] = {
    {kExportMsfs, "MSFS", "Microsoft Flight Simulator 2000/2002", ".pln",
     "MS FS2000/2002 Flightplan Files (*.pln)", "*.pln", WriteMsfsPlan,
     {"No MS Flight Simulator Flightplan Filename supplied!",
      "An MS Flight Simulator Flight plan %s already exists!\n",
      "Failed to create MS Flight Simulator Flight plan %s",
      "Error while writing to MS FS Flightplan file %s"},
     "MS Flight Simulator Flight-Plan %s successfully created!\n",
     "MS Flight Simulator Flight-Plan %s could not be created!\n",
     &ProgramSettings::bulkMsfs, &ProgramSettings::msfsDir},
    {kExportAcsGps, "ACS-GPS", "ACS-GPS", ".prg", "ACS-GPS Flightplan Files (*.prg)", "*.prg",
     WriteAcsGpsPlan,
     {"No ACS-GPS Flightplan Filename supplied!", "An ACS-GPS Flight plan %s already exists!\n",
      "Failed to create ACS-GPS Flight plan %s", "Error while writing to ACS-GPS Flightplan file %s"},
     "ACS-GPS Flight-Plan %s successfully created!\n", "ACS-GPS Flight-Plan %s could not be created!\n",
     &ProgramSettings::bulkAcsGps, &ProgramSettings::acsGpsDir},
    {kExportRc99, "RC99", "Radar Contact", ".apl", "Radar Contact Flightplan Files (*.apl)", "*.apl",
     WriteRadarContactPlan,
     {"No Radar Contact Flightplan Filename supplied!",
      "An Radar Contact Flight plan %s already exists!\n",
      "Failed to create Radar Contact Flight plan %s",
      "Error while writing to Radar Contact Flightplan file %s"},
     "Radar Contact Flight-Plan %s successfully created!\n",
     "Radar Contact Flight-Plan %s could not be created!\n",
     &ProgramSettings::bulkRc99, &ProgramSettings::rc99Dir},
    {kExportSqb, "SQB", "SquawkBox", ".sbp", "SquawkBox Flightplan Files (*.sbp)", "*.sbp",
     WriteSquawkBoxPlan,
     {"No SquawkBox Flightplan Filename supplied!", "An SquawkBox Flight plan %s already exists!\n",
      "Failed to create SquawkBox Flight plan %s",
      "Error while writing to SquawkBox Flightplan file %s"},
     "SquawkBox Flight-Plan %s successfully created!\n",
     "SquawkBox Flight-Plan %s could not be created!\n",
     &ProgramSettings::bulkSqb, &ProgramSettings::sqbDir},
    {kExportSfp, "SFP", "Super Flight Planner", ".pln", "SFP Flightplan Files (*.pln)", "*.pln",
     WriteSfpPlan,
     {"No Super Flight Planner Flightplan Filename supplied!",
      "An Super Flight Planner Flight plan %s already exists!\n",
      "Failed to create Super Flight Planner Flight plan %s",
      "Error while writing to Super Flight Planner Flightplan file %s"},
     "Super Flight Planner Flight-Plan %s successfully created!\n",
     "Super Flight Planner Flight-Plan %s could not be created!\n",
     &ProgramSettings::bulkSfp, &ProgramSettings::sfpDir},
    {kExportNav, "NAV", "Nav Flight Planner 3.x", ".pln", "Nav Flightplan Files (*.pln)", "*.pln",
     WriteNavPlan,
     {"No Nav Flight Planner Flightplan Filename supplied!",
      "An Nav Flight Planner Flight plan %s already exists!\n",
      "Failed to create Nav Flight Planner Flight plan %s",
      "Error while writing to Nav Flightplan file %s"},
     "Nav Flight Planner Flight-Plan %s successfully created!\n",
     "Nav Flight Planner Flight-Plan %s could not be created!\n",
     &ProgramSettings::bulkNav, &ProgramSettings::navDir},
    {kExportMsfsXml, "MSFS2020", "Microsoft Flight Simulator 2020/2024, FSX, Prepar3D", ".pln",
     "MSFS 2020/2024, FSX, P3D Flightplan Files (*.pln)", "*.pln", WriteMsfsXmlPlan,
     {"No MSFS 2020/2024 Flightplan Filename supplied!", "An MSFS 2020/2024 Flight plan %s already exists!\n",
      "Failed to create MSFS 2020/2024 Flight plan %s", "Error while writing to MSFS 2020/2024 Flightplan file %s"},
     "MSFS 2020/2024 Flight-Plan %s successfully created!\n", "MSFS 2020/2024 Flight-Plan %s could not be created!\n",
     &ProgramSettings::bulkMsfsXml, &ProgramSettings::msfsXmlDir},
    {kExportXPlane, "XPLANE", "X-Plane 11/12", ".fms", "X-Plane 11/12 Flightplan Files (*.fms)", "*.fms",
     WriteXPlanePlan,
     {"No X-Plane Flightplan Filename supplied!", "An X-Plane Flight plan %s already exists!\n",
      "Failed to create X-Plane Flight plan %s", "Error while writing to X-Plane Flightplan file %s"},
     "X-Plane Flight-Plan %s successfully created!\n", "X-Plane Flight-Plan %s could not be created!\n",
     &ProgramSettings::bulkXPlane, &ProgramSettings::xplaneDir},
    {kExportGarmin, "GARMIN", "Garmin GNS/GTN, Garmin Pilot", ".fpl", "Garmin Flightplan Files (*.fpl)", "*.fpl",
     WriteGarminPlan,
     {"No Garmin Flightplan Filename supplied!", "A Garmin Flight plan %s already exists!\n",
      "Failed to create Garmin Flight plan %s", "Error while writing to Garmin Flightplan file %s"},
     "Garmin Flight-Plan %s successfully created!\n", "Garmin Flight-Plan %s could not be created!\n",
     &ProgramSettings::bulkGarmin, &ProgramSettings::garminDir},
    {kExportGpx, "GPX", "GPX 1.1 route", ".gpx", "GPX Route Files (*.gpx)", "*.gpx", WriteGpxPlan,
     {"No GPX Route Filename supplied!", "A GPX Route %s already exists!\n", "Failed to create GPX Route %s",
      "Error while writing to GPX Route file %s"},
     "GPX Route %s successfully created!\n", "GPX Route %s could not be created!\n", &ProgramSettings::bulkGpx,
     &ProgramSettings::gpxDir},
};

const ExportCode kBulkOrder[kExportTypeCount] = {kExportMsfs, kExportAcsGps,  kExportSqb,    kExportRc99,
                                                 kExportSfp,  kExportNav,     kExportMsfsXml, kExportXPlane,
                                                 kExportGarmin, kExportGpx};

const ExportType* FindExportType(int code) {
  if (code < kExportMsfs || code > kExportGpx) return nullptr;
  return &kExportTypes[code - kExportMsfs];
}

const char* ExtensionForExportCode(int code) {
  const ExportType* type = FindExportType(code);
  return type != nullptr ? type->extension : ".pln";
}
