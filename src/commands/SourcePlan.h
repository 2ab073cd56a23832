// Taking a new source plan: the steps Open runs around its dialog, shared with a
// file dropped on the main window.
// The Open command owns these steps; until it lands they live here.
#pragma once

struct App;

// The unsaved-plan question before the source plan is replaced: when the built
// route is unsaved asks "MS Flight Simulator Flight-Plan %s not saved yet!" /
// "Do you want to save it?" (Yes/No/Cancel); Yes first sends the bulk Save (40004).
// Answers false only on Cancel, which stops the caller.
bool MayReplaceSourcePlan(App& app);

// Makes `path` (its file name `name`) the source plan: stores both, titles the
// window with the name, clears `routeUnsaved`, disables Details and Print until
// the next build, shows the path in edit 1010, posts Build (1019), names the
// destination by the naming rule (unless it is 3) in `defaultDestDir` and shows
// it in edit 1013.
void AdoptSourcePlan(App& app, const char* path, const char* name);
