// The right-button shortcut menu: a cascading copy of the menu bar.
#pragma once

#include "shell/Win32.h"

struct Shell;

// Shows, at `clientPoint` of the main window, a pop-up menu holding the main
// menu's top-level items with their states; the sub-menus are the main menu's
// own, so check marks and grey items are the same. A chosen item arrives as an
// ordinary WM_COMMAND. Only when the setting `mouseOption` is on.
void ShowShortcutMenu(Shell& shell, POINT clientPoint);
