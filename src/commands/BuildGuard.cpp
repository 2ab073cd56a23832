// The guard posts the build instead of running it, so the build runs after the
// command that asked has returned.
#include "commands/BuildGuard.h"

#include "App.h"
#include "host/ControlIds.h"
#include "host/MessagePort.h"
#include "host/WindowPort.h"

bool PassBuildGuard(App& app) {
  if (app.route.routeBuilt) return true;
  app.host.messages->ShowMessage(
      "No Route Build Process has been run yet!\n"
      "Will do this for you now!",
      MessageKind::Warning, MessageButtons::Ok);
  app.host.window->PostCommand(kBuildButton);
  return false;
}
