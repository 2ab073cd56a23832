// The main window: its window class and the procedure that runs all its messages.
#pragma once

#include "shell/Win32.h"

// Registers the window class "PlanTransit" that dialog template 102 names, with
// the main window procedure. False when the class cannot be registered.
bool RegisterMainWindowClass(HINSTANCE instance);
