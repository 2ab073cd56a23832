// The build guard shared by the commands that need a built route.
#include "commands/BuildGuard.h"

#include "App.h"
#include "host/ControlIds.h"
#include "host/MessagePort.h"
#include "host/WindowPort.h"

bool PassBuildGuard(App& app) {
  if (app.route.routeBuilt) return true;
  app.host.messages->ShowMessage("No Route Build Process has been run yet!\nWill do this for you now!",
                                 MessageKind::Warning, MessageButtons::Ok);
  app.host.window->PostCommand(kBuildButton);
  return false;
}
