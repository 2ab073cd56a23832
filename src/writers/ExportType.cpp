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
};

const ExportCode kBulkOrder[kExportTypeCount] = {kExportMsfs, kExportAcsGps, kExportSqb,
                                                 kExportRc99, kExportSfp,    kExportNav};

const ExportType* FindExportType(int code) {
  if (code < kExportMsfs || code > kExportNav) return nullptr;
  return &kExportTypes[code - kExportMsfs];
}

const char* ExtensionForExportCode(int code) {
  const ExportType* type = FindExportType(code);
  return type != nullptr ? type->extension : ".pln";
}
