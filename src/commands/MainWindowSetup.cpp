// Filling a new main window from the settings, through the window port.
#include "commands/MainWindowSetup.h"

#include "App.h"
#include "host/ControlIds.h"
#include "host/WindowPort.h"

void ShowFilePaths(App& app) {
  app.host.window->SetControlText(kSourceEdit, app.settings.sourceFilePath);
  app.host.window->SetControlText(kDestinationEdit, app.settings.destFilePath);
}

int FlightTypeRadio(int preset) {
  switch (preset) {
    case 0: return kVfrRadio;
    case 1: return kIfrRadio;
    default: return 0;
  }
}

int RouteTypeRadio(int preset) {
  switch (preset) {
    case 0: return kDirectGpsRadio;
    case 1: return kVorToVorRadio;
    case 2: return kLowAirwaysRadio;
    case 3: return kHighAirwaysRadio;
    default: return 0;
  }
}

void PresetRouteChoices(App& app) {
  WindowPort& window = *app.host.window;
  if (int radio = FlightTypeRadio(app.settings.defaultFlightType)) {
    window.CheckRadio(kVfrRadio, kIfrRadio, radio);
  }
  if (int radio = RouteTypeRadio(app.settings.defaultRouteType)) {
    window.CheckRadio(kVorToVorRadio, kDirectGpsRadio, radio);
  }
}
