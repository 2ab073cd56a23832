// SetCaption for any of the program's windows: "PlanTransit - " and a text.
#pragma once

#include "shell/Win32.h"

// Sets the title of `window` to the caption of `text` (see FormatCaption).
void SetCaption(HWND window, const char* text);
