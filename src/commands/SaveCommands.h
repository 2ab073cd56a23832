// Save (40004, 1030), the bulk run, and Save as (40008, 1014), one plan.
#pragma once

struct App;

// The bulk run. Counts from 0 and applies the build guard. When edit 1013 changed
// since the last run, takes its text as `bulkPath` and its file-name part
// (FileNamePart) as `bulkName`. Then, for each export type in bulk order (1, 2, 4, 3, 5, 6)
// whose bulk switch is on: names the plan in that type's folder by the naming
// rule (rule 3 keeps the previous `bulkName`), runs its writer, shows its success
// (information) or failure (warning) message with `bulkName`, and counts it; a
// failed type does not stop the run. With nothing counted, shows the three-line
// "No Bulk Flightplans where created!" warning.
void SaveAllPlans(App& app);

// One plan. Applies the build guard, then the save dialog on the destination path
// and name (Cancel stops). Shows the chosen path in edit 1013 and runs the writer
// of the chosen `exportType` with its success or failure message; for 7 ("All
// files (*.*)") nothing is written and nothing shown.
void SavePlanAs(App& app);
