// A source plan taken from outside the open dialog (a file drop) goes the same
// way as one chosen in it: the unsaved-plan question, then Open's own steps.
#include "commands/SourcePlan.h"

#include <cstdio>

#include "App.h"
#include "commands/Caption.h"
#include "commands/OpenCommand.h"
#include "commands/UnsavedPlan.h"

bool MayReplaceSourcePlan(App& app) { return MayDiscardRoute(app); }

void AdoptSourcePlan(App& app, const char* path, const char* name) {
  ProgramSettings& settings = app.settings;
  std::snprintf(settings.sourceFilePath, sizeof settings.sourceFilePath, "%s", path);
  std::snprintf(settings.sourceFileName, sizeof settings.sourceFileName, "%s", name);
  SetCaption(*app.host.window, settings.sourceFileName);
  StartFromSource(app);
}
