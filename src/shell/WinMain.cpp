// The program's entry point: registers the window class, makes the main window
// from its dialog template and runs the message loop until the window is gone.
#include "shell/Win32.h"

#include <shellapi.h>

#include "commands/Session.h"
#include "host/ControlIds.h"
#include "shell/MainWindow.h"
#include "shell/Shell.h"
#include "shell/Win32Ports.h"

namespace {

void ReportCannotCreateWindow(MessagePort& messages) {
  messages.ShowMessage("Could not create Window", MessageKind::Warning, MessageButtons::Ok);
}

// Settings, help and about, reachable from the window's system menu too.
void ExtendSystemMenu(HWND window) {
  HMENU systemMenu = GetSystemMenu(window, FALSE);
  AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(systemMenu, MF_STRING, kSettingsCommand, "&Settings...\tCtrl+D");
  AppendMenuA(systemMenu, MF_STRING, kHelpButton, "&Help...");
  AppendMenuA(systemMenu, MF_STRING, kAboutCommand, "&About...");
}

// Accelerators first, then the usual translation. There is no IsDialogMessage:
// Tab, the arrows, Enter and Esc reach the controls as ordinary keys.
int RunMessageLoop(const Shell& shell) {
  MSG message;
  BOOL result;
  while ((result = GetMessageA(&message, nullptr, 0, 0)) != 0) {
    if (result == -1) return 0;
    if (TranslateAcceleratorA(shell.mainWindow, shell.accelerators, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  static Session session{};
  Shell shell{};
  shell.session = &session;
  Win32Ports ports(shell);
  session.ports = ports.AsSessionPorts();

  if (!RegisterMainWindowClass(instance)) {
    ReportCannotCreateWindow(ports.Messages());
    return 0;
  }
  shell.instance = instance;
  HWND mainWindow = CreateDialogParamA(instance, MAKEINTRESOURCEA(kMainWindowTemplate), nullptr, nullptr, 0);
  if (mainWindow == nullptr) {
    ReportCannotCreateWindow(ports.Messages());
    return 0;
  }
  shell.mainWindow = mainWindow;
  AttachShell(mainWindow, shell);
  ExtendSystemMenu(mainWindow);
  shell.accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(kAcceleratorTable));
  DragAcceptFiles(mainWindow, TRUE);
  ShowWindow(mainWindow, showCommand);
  SendMessageA(mainWindow, WM_INITDIALOG, 0, 0);
  return RunMessageLoop(shell);
}
