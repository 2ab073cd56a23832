// The main window procedure, one handler per message. The window is made from a
// dialog template but has no dialog procedure: whatever is not handled here goes
// to the default window procedure, so the window has no dialog keyboard handling.
#include "shell/MainWindow.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "commands/BuildCommand.h"
#include "commands/Session.h"
#include "commands/ButtonShortcuts.h"
#include "commands/CommandTexts.h"
#include "commands/ContextHelpIds.h"
#include "commands/MainWindowSetup.h"
#include "commands/RunwayChoice.h"
#include "commands/SaveCommands.h"
#include "commands/SourceCommands.h"
#include "commands/UnsavedPlan.h"
#include "config/Settings.h"
#include "host/ControlIds.h"
#include "shell/Bars.h"
#include "shell/FileDrops.h"
#include "shell/Help.h"
#include "shell/RouteDetailsBox.h"
#include "shell/SettingsSheetDialog.h"
#include "shell/Shell.h"
#include "shell/ShortcutMenu.h"
#include "shell/Tooltips.h"
#include "shell/Win32Printer.h"
#include "shell/WindowCaption.h"

namespace {

constexpr const char* kClassName = "PlanTransit";
// The extra window bytes a window made from a dialog template needs.
constexpr int kDialogWindowExtra = DLGWINDOWEXTRA;

// Fills the window from the settings; runs once, after the window was shown.
BOOL OnInitDialog(HWND window, HWND, LPARAM) {
  Shell& shell = *ShellOf(window);
  Session& session = *shell.session;
  LoadSettings({*session.ports.files, *session.ports.environment}, *session.ports.registry, session.settings);
  shell.mainMenu = LoadMenuA(shell.instance, MAKEINTRESOURCEA(kMainMenu));
  if (session.settings.menuOption) ApplyMenuBar(shell, window);
  ShowFilePaths(session);
  DragAcceptFiles(GetDlgItem(window, kSourceEdit), TRUE);
  ForwardDropsToParent(GetDlgItem(window, kSourceEdit));
  PresetRouteChoices(session);
  SetRouteCommandsEnabled(session, false);  // nothing is built yet
  CreateBars(shell);  // its Details and Print buttons follow the "&Details" button
  return TRUE;
}

// The controls draw themselves and the class background fills the rest; painting
// only refreshes the title, so it always names the current source file.
void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  SetCaption(window, ShellOf(window)->session->settings.sourceFileName);
  EndPaint(window, &paint);
}

void OnDestroy(HWND window) {
  Shell& shell = *ShellOf(window);
  // An attached menu bar is destroyed with the window itself.
  if (GetMenu(window) != shell.mainMenu) DestroyMenu(shell.mainMenu);
  PostQuitMessage(0);
}

// The help system would otherwise outlive the program.
void OnClose(HWND window) {
  if (!SaveSessionOnExit(*ShellOf(window)->session)) return;
  CloseHelp();
  DestroyWindow(window);
}

// Windows ends whatever the user answers; only the saving depends on it.
BOOL OnQueryEndSession(HWND window) {
  if (SaveSessionOnExit(*ShellOf(window)->session)) CloseHelp();
  return TRUE;
}

void OnCommand(HWND window, int id, HWND, UINT code) {
  Shell& shell = *ShellOf(window);
  Session& session = *shell.session;
  switch (id) {
    case kOpenCommand:
    case kOpenButton: OpenPlan(session); break;
    case kBuildCommand:
    case kBuildButton: BuildPlan(session); break;
    case kSaveCommand:
    case kSaveButton: SaveAllPlans(session); break;
    case kSaveAsCommand:
    case kSaveAsButton: SavePlanAs(session); break;
    case kDepartureRunwayList:
    case kLandingRunwayList:
      if (code == CBN_SELCHANGE) ChooseRunway(session, id);
      break;
    case kDestinationEdit:
      if (code == EN_CHANGE) session.commands.destinationEdited = true;
      break;
    case kExitCommand:
    case kCancelButton: SendMessageA(window, WM_CLOSE, 0, 0); break;
    case kStatusbarCommand: ToggleStatusBar(shell); break;
    case kToolbarCommand: ToggleToolbar(shell); break;
    case kPrintCommand:
      if (PassBuildGuard(session)) PrintRoute(shell);
      break;
    case kHelpTopicsCommand:
    case kHelpButton: ShowHelpContents(window); break;
    case kHelpOnHelpCommand: ShowHelpOnHelp(window); break;
    case kSettingsCommand: ShowSettingsSheet(shell); break;
    case kDetailsButton: ShowRouteDetails(shell); break;
    case kAboutCommand: ShowAboutBox(shell); break;
    default: break;
  }
}

// The commands added to the system menu; every other goes to the default procedure.
LRESULT OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  Shell& shell = *ShellOf(window);
  switch (LOWORD(wParam)) {
    case kHelpButton:
    case kHelpTopicsCommand: ShowHelpContents(window); return 0;
    case kSettingsCommand: ShowSettingsSheet(shell); return 0;
    case kAboutCommand: ShowAboutBox(shell); return 0;
    default: return DefWindowProcA(window, WM_SYSCOMMAND, wParam, lParam);
  }
}

// The highlighted item's help text in the status bar, while the bar is shown.
// Pop-ups and the menu closing give an empty text.
LRESULT OnMenuSelect(HWND window, WPARAM wParam) {
  HWND statusBar = ShellOf(window)->statusBar;
  if (statusBar != nullptr && IsWindowVisible(statusBar)) {
    SendMessageA(statusBar, SB_SETTEXTA, 0 | SBT_NOBORDERS,
                 reinterpret_cast<LPARAM>(MenuHelpText(LOWORD(wParam))));
  }
  return 0;
}

// Alt+letter that matches no menu item: the buttons' shortcuts. The answer is
// always the default one, so an unmatched letter still beeps.
LRESULT OnMenuChar(HWND window, WPARAM wParam, LPARAM lParam) {
  if (const int command = ButtonForShortcut(LOWORD(wParam))) PostMessageA(window, WM_COMMAND, command, 0);
  return DefWindowProcA(window, WM_MENUCHAR, wParam, lParam);
}

// Not passed on: a right click on the window's own surface asks no context help.
void OnRButtonUp(HWND window, int x, int y, UINT) { ShowShortcutMenu(*ShellOf(window), POINT{x, y}); }

const DWORD* MainWindowHelpTopics() { return reinterpret_cast<const DWORD*>(ContextHelpIds()); }

LRESULT OnHelp(LPARAM lParam) {
  ShowControlHelp(HelpItem(lParam), MainWindowHelpTopics());
  return 0;
}

// A right click on a control asks for its help; the window's own surface has the
// shortcut menu instead.
void OnContextMenu(HWND window, HWND control, UINT, UINT) {
  if (control != window) ShowControlHelpMenu(control, MainWindowHelpTopics());
}

void OnDropFiles(HWND window, HDROP drop) { TakeFileDrop(*ShellOf(window), drop); }

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
    HANDLE_MSG(hwnd, WM_NOTIFY, OnNotify);
    HANDLE_MSG(hwnd, WM_CLOSE, OnClose);
    HANDLE_MSG(hwnd, WM_QUERYENDSESSION, OnQueryEndSession);
    HANDLE_MSG(hwnd, WM_RBUTTONUP, OnRButtonUp);
    HANDLE_MSG(hwnd, WM_CONTEXTMENU, OnContextMenu);
    HANDLE_MSG(hwnd, WM_DROPFILES, OnDropFiles);
    case WM_SYSCOMMAND: return OnSysCommand(hwnd, wParam, lParam);
    case WM_MENUSELECT: return OnMenuSelect(hwnd, wParam);
    case WM_MENUCHAR: return OnMenuChar(hwnd, wParam, lParam);
    case WM_HELP: return OnHelp(lParam);
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
