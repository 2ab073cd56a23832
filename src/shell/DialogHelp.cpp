// WinHelp's two context-help commands with a dialog's topic table.
#include "shell/DialogHelp.h"

void ShowControlHelp(const HELPINFO& request, const DWORD* topics) {
  WinHelpA(static_cast<HWND>(request.hItemHandle), kHelpFileName, HELP_WM_HELP,
           reinterpret_cast<ULONG_PTR>(topics));
}

void ShowControlHelpMenu(HWND control, const DWORD* topics) {
  WinHelpA(control, kHelpFileName, HELP_CONTEXTMENU, reinterpret_cast<ULONG_PTR>(topics));
}
