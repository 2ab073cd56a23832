// The process-wide state of the Win32 shell: the handles the program keeps for the
// life of its one window, and the session they show.
#pragma once

#include "config/SettingsSheet.h"
#include "shell/Win32.h"

struct Session;

struct Shell {
  Session* session;
  HINSTANCE instance;
  HWND mainWindow;
  HMENU mainMenu;        // loaded once, kept whether or not it is the menu bar
  HACCEL accelerators;
  // The bars: each empty until created, then only shown and hidden.
  HWND tooltip;
  HHOOK tooltipHook;
  HWND statusBar;
  HWND toolbar;
  // The settings sheet's changed flags, which outlive each run of the sheet.
  SettingsSheetFlags sheetFlags;
};

// Ties `shell` to the main window, so the window procedure finds it.
void AttachShell(HWND window, Shell& shell);

// The shell tied to `window`, or null before AttachShell.
Shell* ShellOf(HWND window);
