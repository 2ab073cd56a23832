// Formatting shared by every message the core shows.
#include "host/MessagePort.h"

#include <cstdarg>
#include <cstdio>

MessageAnswer ShowFormattedMessage(MessagePort& port, MessageKind kind, MessageButtons buttons,
                                   const char* format, ...) {
  char text[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return port.ShowMessage(text, kind, buttons);
}
