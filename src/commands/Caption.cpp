// Window titles built in one place, so every window names itself the same way.
#include "commands/Caption.h"

#include <cstdio>

#include "host/WindowPort.h"

void FormatCaption(const char* text, char (&title)[kPathSize]) {
  std::snprintf(title, sizeof title, "%s - %s", "PlanTransit", text);
}

void SetCaption(WindowPort& window, const char* text) {
  char title[kPathSize];
  FormatCaption(text, title);
  window.SetTitle(title);
}
