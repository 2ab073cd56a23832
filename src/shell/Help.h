// The help commands: WinHelp with "PlanTransit.hlp" where it can be used, else
// the program's own help page, help.html beside the program, in the browser.
#pragma once

#include "shell/Win32.h"

struct Shell;

// Help contents (40002, 9): WinHelp's finder for "PlanTransit.hlp".
void ShowHelpContents(Shell& shell);

// Help on Help (40005): WinHelp's own help.
void ShowHelpOnHelp(Shell& shell);

// Context help for `item` (WM_HELP): the help-ID table's topic of the control.
void ShowItemHelp(Shell& shell, HWND item);

// Pop-up help for `control` (WM_CONTEXTMENU). Only where WinHelp works: a right
// click does not open the browser.
void ShowControlPopupHelp(Shell& shell, HWND control);

// Closes WinHelp's window for this program, if one was opened.
void CloseHelp(Shell& shell);
