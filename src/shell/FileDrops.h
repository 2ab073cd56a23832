// Files dropped on the main window or on its source field (edit 1010).
#pragma once

#include "shell/Win32.h"

#include <shellapi.h>

struct Shell;

// Lets edit `sourceEdit` pass the files dropped on it to its parent, the main
// window, which takes them like files dropped on itself.
void ForwardDropsToParent(HWND sourceEdit);

// Takes the first dropped file (its name as the file system spells it) as the
// new source plan, as if chosen in the open dialog. The drop handle is released
// before anything is asked or shown, so the dropping program is not held up.
void TakeFileDrop(Shell& shell, HDROP drop);
