// The window procedure has no parameter for our state, so the main window carries
// a pointer to it in its user data.
#include "shell/Shell.h"

void AttachShell(HWND window, Shell& shell) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&shell));
}

Shell* ShellOf(HWND window) { return reinterpret_cast<Shell*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }
