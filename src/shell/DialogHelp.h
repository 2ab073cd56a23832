// Context help for the controls of the program's dialogs, from the help file
// "PlanTransit.hlp" with a control-to-topic table.
#pragma once

#include "shell/Win32.h"

// The help file, addressed without a folder.
constexpr const char* kHelpFileName = "PlanTransit.hlp";

// F1 on a control (WM_HELP): the topic of the control the request is for.
void ShowControlHelp(const HELPINFO& request, const DWORD* topics);

// The right-click help menu (WM_CONTEXTMENU) of `control`.
void ShowControlHelpMenu(HWND control, const DWORD* topics);
