// The unsaved-plan question; Yes runs Save all inside the question.
#include "commands/UnsavedPlan.h"

#include "config/Settings.h"
#include "host/ControlIds.h"
#include "host/WindowPort.h"

MessageAnswer ConfirmUnsavedPlan(Session& session) {
  MessageAnswer answer = ShowFormattedMessage(
      *session.ports.messages, MessageKind::Question, MessageButtons::YesNoCancel,
      "MS Flight Simulator Flight-Plan %s not saved yet!\nDo you want to save it?",
      session.settings.destFileName);
  if (answer == MessageAnswer::Yes) session.ports.window->SendCommand(kSaveCommand);
  return answer;
}

bool MayDiscardRoute(Session& session) {
  // After a failed build Save all would only start another build: a Yes would
  // promise a plan that is never written.
  bool writableRouteUnsaved = session.routeUnsaved && session.routeBuilt;
  return !writableRouteUnsaved || ConfirmUnsavedPlan(session) != MessageAnswer::Cancel;
}

bool SaveSessionOnExit(Session& session) {
  if (!MayDiscardRoute(session)) return false;
  SaveLastFiles({*session.ports.files, *session.ports.environment}, session.settings);
  return true;
}
