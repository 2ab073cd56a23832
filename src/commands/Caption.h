// The title rule of the program's windows: "PlanTransit - " and a text.
#pragma once

#include "host/Paths.h"

class WindowPort;

// Fills `title` (kPathSize bytes) with "PlanTransit - " followed by `text`, cut to
// fit the buffer.
void FormatCaption(const char* text, char (&title)[kPathSize]);

// Sets the main window's title to the caption of `text`.
void SetCaption(WindowPort& window, const char* text);
