// Every help request of the program in one place: WinHelp with "PlanTransit.hlp"
// where the file is there and WinHelp takes the request, else the program's own
// help page, help.html beside the program, in the browser. Current Windows (and
// Wine) has no WinHelp viewer, so the page is what most users get.
#pragma once

#include "shell/Win32.h"

// Help contents (40002, 9): WinHelp's finder for "PlanTransit.hlp".
void ShowHelpContents(HWND owner);

// Help on Help (40005): WinHelp's own help.
void ShowHelpOnHelp(HWND owner);

// The help topic `topic` of a dialog, as the settings sheet's Help button asks it.
void ShowHelpTopic(HWND owner, DWORD topic);

// F1 on `control` (WM_HELP): its topic from the control-to-topic table `topics`.
void ShowControlHelp(HWND control, const DWORD* topics);

// The control a WM_HELP message with `lParam` asks help for.
inline HWND HelpItem(LPARAM lParam) {
  return static_cast<HWND>(reinterpret_cast<const HELPINFO*>(lParam)->hItemHandle);
}

// A right click on `control` (WM_CONTEXTMENU): WinHelp's pop-up help of its topic.
void ShowControlHelpMenu(HWND control, const DWORD* topics);

// Closes WinHelp's window for this program at its end; only once, and only when
// WinHelp was opened at all.
void CloseHelp();
