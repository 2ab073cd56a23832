// The question about a built route that has not been written yet, asked before
// Open and before the program ends.
#pragma once

#include "host/MessagePort.h"

struct App;

// Asks "MS Flight Simulator Flight-Plan %s not saved yet!\nDo you want to save
// it?" (%s = `destFileName`; question icon, Yes/No/Cancel). On Yes, sends Save
// (40004) to the main window, so the whole bulk run ends before this returns.
// Answers the button chosen; callers stop only on Cancel.
MessageAnswer ConfirmUnsavedPlan(App& app);

// ConfirmUnsavedPlan when the last build succeeded and its route is unsaved; true
// unless the user cancelled (also true when there was nothing to ask, as after a
// failed build, whose route no Save can write).
bool MayDiscardRoute(App& app);
