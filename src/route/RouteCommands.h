// The commands that need a built route: Details and Print.
#pragma once

struct App;

// Enables or disables the "&Details" button, the "&Print..." menu item and, when
// the toolbar is on, their toolbar buttons.
void SetRouteCommandsEnabled(App& app, bool enabled);
