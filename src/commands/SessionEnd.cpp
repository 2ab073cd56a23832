// Close and shutdown: the unsaved-plan question, then the last files are kept.
#include "commands/SessionEnd.h"

#include "App.h"
#include "commands/UnsavedPlan.h"
#include "config/Settings.h"

bool SaveSessionOnExit(App& app) {
  if (!MayDiscardRoute(app)) return false;
  SaveLastFiles(app);
  return true;
}
