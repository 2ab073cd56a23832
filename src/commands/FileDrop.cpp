// The drop runs the open dialog's own rules, minus the dialog.
#include "commands/FileDrop.h"

#include "commands/FileNamePart.h"
#include "commands/OpenSourceDialog.h"
#include "commands/SourcePlan.h"

void TakeDroppedSourcePlan(App& app, const char* droppedPath) {
  if (droppedPath == nullptr || droppedPath[0] == '\0') return;
  if (!MayReplaceSourcePlan(app)) return;
  const char* name = FileNamePart(droppedPath);
  if (IsFliteStarOriginal(name)) {
    RefuseFliteStarOriginal(app);
    return;
  }
  AdoptSourcePlan(app, droppedPath, name);
}
