// The main window procedure, one handler per message. The window is made from a
// dialog template but has no dialog procedure: whatever is not handled here goes
// to the default window procedure, so the window has no dialog keyboard handling.
#include "shell/MainWindow.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "App.h"
#include "commands/MainWindowSetup.h"
#include "config/Settings.h"
#include "host/ControlIds.h"
#include "shell/Bars.h"
#include "shell/RouteDetailsBox.h"
#include "shell/SettingsSheetDialog.h"
#include "shell/Shell.h"
#include "shell/Tooltips.h"
#include "shell/WindowCaption.h"

namespace {

constexpr const char* kClassName = "PlanTransit";
// The extra window bytes a window made from a dialog template needs.
constexpr int kDialogWindowExtra = DLGWINDOWEXTRA;

// Fills the window from the settings; runs once, after the window was shown.
BOOL OnInitDialog(HWND window, HWND, LPARAM) {
  Shell& shell = *ShellOf(window);
  App& app = *shell.app;
  LoadSettings(app);
  shell.mainMenu = LoadMenuA(shell.instance, MAKEINTRESOURCEA(kMainMenu));
  if (app.settings.menuOption) ApplyMenuBar(shell, window);
  ShowFilePaths(app);
  DragAcceptFiles(GetDlgItem(window, kSourceEdit), TRUE);
  PresetRouteChoices(app);
  DisableRouteCommands(app);
  CreateBars(shell);
  return TRUE;
}

// The controls draw themselves and the class background fills the rest; painting
// only refreshes the title, so it always names the current source file.
void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  SetCaption(window, ShellOf(window)->app->settings.sourceFileName);
  EndPaint(window, &paint);
}

void OnDestroy(HWND window) {
  Shell& shell = *ShellOf(window);
  // An attached menu bar is destroyed with the window itself.
  if (GetMenu(window) != shell.mainMenu) DestroyMenu(shell.mainMenu);
  PostQuitMessage(0);
}

void OnCommand(HWND window, int id, HWND, UINT) {
  Shell& shell = *ShellOf(window);
  switch (id) {
    case kExitCommand:
    case kCancelButton: SendMessageA(window, WM_CLOSE, 0, 0); break;
    case kStatusbarCommand: ToggleStatusBar(shell); break;
    case kToolbarCommand: ToggleToolbar(shell); break;
    case kSettingsCommand: ShowSettingsSheet(shell); break;
    case kDetailsButton: ShowRouteDetails(shell); break;
    case kAboutCommand: ShowAboutBox(shell); break;
    default: break;
  }
}

// The commands added to the system menu; every other goes to the default procedure.
void OnSysCommand(HWND window, UINT command, int x, int y) {
  Shell& shell = *ShellOf(window);
  switch (LOWORD(command)) {
    case kSettingsCommand: ShowSettingsSheet(shell); break;
    case kAboutCommand: ShowAboutBox(shell); break;
    default: FORWARD_WM_SYSCOMMAND(window, command, x, y, DefWindowProcA); break;
  }
}

LRESULT OnNotify(HWND window, int, NMHDR* header) {
  if (header->code == TTN_NEEDTEXTA) TooltipText(*ShellOf(window), reinterpret_cast<NMTTDISPINFOA*>(header));
  return 0;
}

LRESULT CALLBACK MainWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // Messages of the window's creation come before the shell is attached.
  if (ShellOf(hwnd) == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  switch (message) {
    HANDLE_MSG(hwnd, WM_INITDIALOG, OnInitDialog);
    HANDLE_MSG(hwnd, WM_PAINT, OnPaint);
    HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
    HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
    HANDLE_MSG(hwnd, WM_SYSCOMMAND, OnSysCommand);
    HANDLE_MSG(hwnd, WM_NOTIFY, OnNotify);
    default: return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindowProcedure;
  windowClass.cbClsExtra = 0;
  windowClass.cbWndExtra = kDialogWindowExtra;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kProgramIcon));
  // The icon file holds a 16-pixel picture for the caption, sharper than a shrunk one.
  windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kProgramIcon), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszMenuName = nullptr;
  windowClass.lpszClassName = kClassName;
  return RegisterClassExA(&windowClass) != 0;
}
