#include "route/RouteCommands.h"

#include "App.h"
#include "host/ControlIds.h"
#include "host/WindowPort.h"

void SetRouteCommandsEnabled(App& app, bool enabled) {
  WindowPort& window = *app.host.window;
  window.SetControlEnabled(kDetailsButton, enabled);
  window.SetMenuItemEnabled(kPrintCommand, enabled);
  if (app.settings.showToolbar) {
    window.SetToolbarButtonEnabled(kDetailsButton, enabled);
    window.SetToolbarButtonEnabled(kPrintCommand, enabled);
  }
}
