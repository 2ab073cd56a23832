// What a test harness runs the program's code in: one session over the real Win32
// ports, and a plain window of the harness's own standing in as the main window.
#pragma once

#include "shell/Win32.h"

#include "commands/Session.h"
#include "shell/Shell.h"
#include "shell/Win32Ports.h"

struct HarnessShell {
  HarnessShell();
  HarnessShell(const HarnessShell&) = delete;
  HarnessShell& operator=(const HarnessShell&) = delete;

  // Registers `className`, shows a window of it titled `title` and makes it the
  // shell's main window, the owner of every dialog and message box.
  HWND CreateMainWindow(const char* className, const char* title);

  Session session{};
  Shell shell{};
  Win32Ports ports{shell};
};
