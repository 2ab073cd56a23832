// Build (40006, 1019): the route build run from the main window, what the window
// shows of the built route, and the guard of the commands that need one.
#pragma once

#include "commands/Session.h"

// Clears the window's route fields (both runway lists, the route edit, "N/A" as
// the cruising altitude), builds the route of `sourceFilePath` with the busy
// feedback and status text while the file is worked on, and keeps its route and
// result (`routeBuilt`); a data file the user searched for becomes the
// configured one. A built route is shown: idents, names, runway lists with
// their first entry selected (and proposed as the runway), route text and
// cruising altitude; it becomes unsaved, Details and Print are enabled, and the
// destination is named anew (MakeOutputPath, unless the naming rule is 3). A
// failed build leaves the rest of the window as it was and adds "Failed to build
// Flight-Plan from file %s" (%s = `sourceFileName`; warning) to its own message.
void BuildPlan(Session& session);

// True when the last route build succeeded. Otherwise shows "No Route Build
// Process has been run yet!\nWill do this for you now!" (warning, OK), posts the
// Build command (1019) to the main window and answers false: the command that
// asked does not run; the user chooses it again after the build.
bool PassBuildGuard(Session& session);

// Enables or disables the "&Details" button, the "&Print..." menu item and, when
// the toolbar is on, their toolbar buttons: the commands that need a built route.
void SetRouteCommandsEnabled(Session& session, bool enabled);

// Names the destination by the naming rule in `defaultDestDir` (unless the rule
// is 3) and shows it in edit 1013.
void ProposeDestination(Session& session);
