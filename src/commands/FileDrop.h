// A file dropped on the main window or its source field: taken as the new source
// plan, as if it had been chosen in the open dialog.
#pragma once

struct App;

// Takes `droppedPath` as the source plan: the unsaved-plan question first
// (Cancel stops), a FliteStar ".fcf" original refused with the open dialog's
// warning, otherwise the plan adopted and its build posted. An empty path does
// nothing.
void TakeDroppedSourcePlan(App& app, const char* droppedPath);
