// Tooltips for the main window's controls and toolbar buttons.
#pragma once

#include "shell/Win32.h"

#include <commctrl.h>

struct Shell;

// Creates the tooltip control, makes every child window of the main window that
// exists now (except static texts) a tool whose text is asked for when needed,
// and installs the message hook that feeds the tooltip. True when the hook is
// installed. Call it once: the hook stays for the life of the process.
bool CreateTooltips(Shell& shell);

// Answers TTN_NEEDTEXT: the text of the control (for tools of the main window)
// or of the command (for toolbar buttons) that the notification names; leaves
// the text unchanged when there is none.
void TooltipText(Shell& shell, NMTTDISPINFOA* info);
