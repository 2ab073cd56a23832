// The window-handle form of the title rule, for windows that have no port.
#include "shell/WindowCaption.h"

#include "commands/Caption.h"

void SetCaption(HWND window, const char* text) {
  char title[kPathSize];
  FormatCaption(text, title);
  SetWindowTextA(window, title);
}
