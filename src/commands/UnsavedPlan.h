// The question about a built route that has not been written yet, asked before
// Open and before the program ends, and the end of the program itself.
#pragma once

#include "commands/Session.h"
#include "host/MessagePort.h"

// Asks "MS Flight Simulator Flight-Plan %s not saved yet!\nDo you want to save
// it?" (%s = `destFileName`; question icon, Yes/No/Cancel). On Yes, sends Save
// (40004) to the main window, so the whole Save all ends before this returns.
// Answers the button chosen; callers stop only on Cancel.
MessageAnswer ConfirmUnsavedPlan(Session& session);

// ConfirmUnsavedPlan when the last build succeeded and its route is unsaved; true
// unless the user cancelled (also true when there was nothing to ask, as after a
// failed build, whose route no Save can write).
bool MayDiscardRoute(Session& session);

// The end of the program, by closing the window or by Windows shutting down:
// asks about an unsaved route first; on Cancel answers false and does nothing
// else. Otherwise stores the last files used (SaveLastFiles) and answers true:
// the shell then closes the help system and, when closing, destroys the window.
bool SaveSessionOnExit(Session& session);
