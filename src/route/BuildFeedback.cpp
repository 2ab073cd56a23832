// The build's feedback through the window port.
#include "route/BuildFeedback.h"

#include "host/WindowPort.h"

namespace {

void ShowStatus(WindowPort& window, const char* text) {
  if (window.IsStatusBarVisible()) window.SetStatusText(text);
}

}  // namespace

void StartBuildFeedback(App& app) {
  WindowPort& window = *app.host.window;
  window.StartBusyFeedback();
  ShowStatus(window, "Building WP Table and Runway Information");
}

void StopBuildFeedback(App& app) {
  WindowPort& window = *app.host.window;
  window.StopBusyFeedback();
  ShowStatus(window, "");
}
