// The main window's bars: the status bar, the toolbar and the menu bar. The window
// has a fixed size, so showing or hiding a bar makes it taller or shorter by the
// bar's height, and the toolbar also moves every control down or up.
#pragma once

#include "shell/Win32.h"

struct Shell;

// Creates the bars the settings ask for, in this order: the tooltips, the status
// bar, the toolbar (whose Details and Print buttons start disabled).
void CreateBars(Shell& shell);

// Creates the status bar `controlId` in `parent` with `parts` parts of equal
// width, shows it, checks "Statusbar" in the main menu and makes the window
// taller by its height. False, and nothing changed, when it cannot be created.
bool CreateStatusBar(Shell& shell, HWND parent, int controlId, HINSTANCE instance, int parts);

// Creates the toolbar (control 118, seven buttons from bitmap 118) in `parent`,
// shows it, checks "Toolbar" when it exists and makes room for it. Answers
// whether it exists.
bool CreateToolbar(Shell& shell, HWND parent);

// The View menu's toggles: create the bar when it does not exist yet, otherwise
// hide or show it, flip `showStatusbar`/`showToolbar` (in memory only) and the
// menu check mark, and resize the window.
void ToggleStatusBar(Shell& shell);
void ToggleToolbar(Shell& shell);

// Resizes the main window for bar `barId` (106 status bar, 118 toolbar) after it
// was shown or hidden: taller by its height when its setting says shown, shorter
// otherwise; for the toolbar every control moves by the same height. With
// `repaintBar` the bars are told to place themselves again. A bar that does not
// exist, or any other identifier, changes nothing.
void AdjustForBar(Shell& shell, bool repaintBar, int barId);

// Attaches the main menu as the menu bar of `window` when `menuOption` is on,
// removes it otherwise, and changes the window's height by a menu bar's height.
// Call it only when the menu bar changes.
void ApplyMenuBar(Shell& shell, HWND window);
