// The unsaved-plan question; Yes runs the bulk Save inside the question.
#include "commands/UnsavedPlan.h"

#include "App.h"
#include "host/ControlIds.h"
#include "host/WindowPort.h"

MessageAnswer ConfirmUnsavedPlan(App& app) {
  MessageAnswer answer = ShowFormattedMessage(
      *app.host.messages, MessageKind::Question, MessageButtons::YesNoCancel,
      "MS Flight Simulator Flight-Plan %s not saved yet!\nDo you want to save it?",
      app.settings.destFileName);
  if (answer == MessageAnswer::Yes) app.host.window->SendCommand(kSaveCommand);
  return answer;
}

bool MayDiscardRoute(App& app) {
  // After a failed build the bulk Save would only start another build: a Yes
  // would promise a plan that is never written.
  bool writableRouteUnsaved = app.route.routeUnsaved && app.route.routeBuilt;
  return !writableRouteUnsaved || ConfirmUnsavedPlan(app) != MessageAnswer::Cancel;
}
