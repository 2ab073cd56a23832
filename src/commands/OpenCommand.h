// Open (40007, 1011): choose a FliteStar export and start its route build.
#pragma once

struct App;

// Asks about an unsaved route first (Cancel stops), then shows the open dialog on
// the source path and name; when the user picks a file, goes on as
// StartFromSource. A cancelled dialog changes nothing.
void OpenPlan(App& app);

// What follows the choice of a new source file (by the open dialog or a file
// drop), with `sourceFilePath` and `sourceFileName` already set: clears
// `routeUnsaved`, disables Details and Print (toolbar buttons too when the toolbar
// is on), shows the source path in edit 1010, posts Build (1019) so the build runs
// after the current command, and, unless `autogenMode` is 3, names the
// destination by the naming rule in `defaultDestDir`; shows the destination path
// in edit 1013. `routeBuilt` keeps its value until the build has run.
void StartFromSource(App& app);
