// The route details view and the about box: the two read-only dialogs.
#pragma once

#include "shell/Win32.h"

struct Shell;

// Runs "RouteDetailsBox" modally over the main window: every row of the route
// table in a six-column report list, with pictures and alternating colours.
void ShowRouteDetails(const Shell& shell);

// Runs "AboutBox" modally over the main window.
void ShowAboutBox(const Shell& shell);
