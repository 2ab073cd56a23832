// Save (40004, 1030), which writes every format switched on for Save all, and
// Save as (40008, 1014), which writes one plan of the format its dialog chooses.
#pragma once

#include "commands/Session.h"
#include "writers/FormatRegistry.h"

// Save all. Counts from 0 and applies the build guard. When edit 1013 changed
// since the last run, takes its text as `bulkPath` and its file-name part as
// `bulkName`. Then, for each format in Save all order whose switch is on: names
// the plan in that format's folder by the naming rule (rule 3 keeps the previous
// `bulkName`), writes it (WriteSessionPlan), and counts it; a failed format does
// not stop the run. With nothing counted, shows the three-line "No Bulk
// Flightplans where created!" warning.
void SaveAllPlans(Session& session);

// One plan. Applies the build guard, then the save dialog on the destination path
// and name (Cancel stops). Shows the chosen path in edit 1013 and writes the
// plan of the chosen `exportType` (WriteSessionPlan); for "All files (*.*)"
// nothing is written and nothing shown.
void SavePlanAs(Session& session);

// Shows the save dialog (title "Save as... Flight plan", one filter per format in
// registry order and "All files (*.*)" last, the filter of type `exportType`
// selected (the first when it names none), initial folder `defaultDestDir`),
// starting from the file in `path` and `name` (kPathSize-byte buffers). On OK
// stores the type number of the filter the user ended with as the new
// `exportType` (kAllFilesType for "All files"), warns when its format is not yet
// tested, copies the full path to `path` and the file name to `name` and answers
// 1. On Cancel answers 0 and changes nothing.
int SaveAsDialog(Session& session, char* path, char* name);

// Writes the session's route as a plan of `type` at `path` (its file name
// `name`), with the runways chosen, the radio buttons' flight and route type and
// today's date, and tells the user how it went: the format's created text
// (information) or its failed text (warning), after whatever the save frame
// said. `path` and `name` take the names the frame used (the format's
// extension). A written plan is no longer unsaved. True when written.
bool WriteSessionPlan(Session& session, const ExportType& type, char* path, char* name);
