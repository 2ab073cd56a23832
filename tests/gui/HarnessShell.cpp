#include "HarnessShell.h"

HarnessShell::HarnessShell() {
  shell.session = &session;
  shell.instance = GetModuleHandleA(nullptr);
  session.ports = ports.AsSessionPorts();
}

HWND HarnessShell::CreateMainWindow(const char* className, const char* title) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = shell.instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
  shell.mainWindow = CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW, 0, 0, 320, 120, nullptr, nullptr,
                                     shell.instance, nullptr);
  ShowWindow(shell.mainWindow, SW_SHOW);
  return shell.mainWindow;
}
