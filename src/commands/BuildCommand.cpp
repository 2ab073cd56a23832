// Build: the route build and the message that closes a failed one.
#include "commands/BuildCommand.h"

#include "App.h"
#include "host/MessagePort.h"
#include "route/RouteBuild.h"

void BuildPlan(App& app) {
  app.route.routeBuilt = BuildRoute(app);
  if (app.route.routeBuilt) return;
  ShowFormattedMessage(*app.host.messages, MessageKind::Warning, MessageButtons::Ok,
                       "Failed to build Flight-Plan from file %s", app.settings.sourceFileName);
}
