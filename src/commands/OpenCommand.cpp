// Open: the source dialog, then the steps that lead to the posted build.
#include "commands/OpenCommand.h"

#include "App.h"
#include "commands/OpenSourceDialog.h"
#include "commands/UnsavedPlan.h"
#include "host/ControlIds.h"
#include "host/WindowPort.h"
#include "route/RouteCommands.h"
#include "writers/OutputPath.h"

namespace {

constexpr int kNamingRuleNone = 3;

}  // namespace

void OpenPlan(App& app) {
  if (!MayDiscardRoute(app)) return;
  if (!OpenSourceDialog(app, app.settings.sourceFilePath, app.settings.sourceFileName)) return;
  StartFromSource(app);
}

void StartFromSource(App& app) {
  ProgramSettings& settings = app.settings;
  WindowPort& window = *app.host.window;
  app.route.routeUnsaved = false;
  SetRouteCommandsEnabled(app, false);
  window.SetControlText(kSourceEdit, settings.sourceFilePath);
  window.PostCommand(kBuildButton);
  // The table still holds the previous route here; the build names it again.
  if (settings.autogenMode != kNamingRuleNone) {
    MakeOutputPath(app, settings.defaultDestDir, settings.destFilePath, settings.destFileName,
                   settings.exportType);
  }
  window.SetControlText(kDestinationEdit, settings.destFilePath);
}

