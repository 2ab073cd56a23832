// The build is posted, not run, so it starts after the command that chose the
// plan has returned.
#include "commands/SourcePlan.h"

#include <cstdio>

#include "App.h"
#include "commands/Caption.h"
#include "commands/MainWindowSetup.h"
#include "host/ControlIds.h"
#include "host/MessagePort.h"
#include "host/WindowPort.h"
#include "writers/OutputPath.h"

bool MayReplaceSourcePlan(App& app) {
  if (!app.route.routeUnsaved) return true;
  const MessageAnswer answer = ShowFormattedMessage(
      *app.host.messages, MessageKind::Question, MessageButtons::YesNoCancel,
      "MS Flight Simulator Flight-Plan %s not saved yet!\nDo you want to save it?", app.settings.destFileName);
  if (answer == MessageAnswer::Yes) app.host.window->SendCommand(kSaveCommand);
  return answer != MessageAnswer::Cancel;
}

void AdoptSourcePlan(App& app, const char* path, const char* name) {
  ProgramSettings& settings = app.settings;
  std::snprintf(settings.sourceFilePath, sizeof settings.sourceFilePath, "%s", path);
  std::snprintf(settings.sourceFileName, sizeof settings.sourceFileName, "%s", name);
  SetCaption(*app.host.window, settings.sourceFileName);
  app.route.routeUnsaved = false;
  DisableRouteCommands(app);
  if (settings.showToolbar) {
    app.host.window->SetToolbarButtonEnabled(kDetailsButton, false);
    app.host.window->SetToolbarButtonEnabled(kPrintCommand, false);
  }
  app.host.window->SetControlText(kSourceEdit, settings.sourceFilePath);
  app.host.window->PostCommand(kBuildButton);
  // The table still holds the previous route; the build recomputes the name.
  if (settings.autogenMode != kNameByUser) {
    MakeOutputPath(app, settings.defaultDestDir, settings.destFilePath, settings.destFileName, settings.exportType);
  }
  app.host.window->SetControlText(kDestinationEdit, settings.destFilePath);
}
