// Creating, toggling and making room for the status bar, the toolbar and the
// menu bar of the fixed-size main window.
#include "shell/Bars.h"

#include <commctrl.h>

#include "commands/Session.h"
#include "host/ControlIds.h"
#include "shell/Shell.h"
#include "shell/Tooltips.h"

namespace {

constexpr int kToolbarImageCount = 10;
constexpr int kMaxStatusParts = 8;

// The toolbar's buttons in order: image index, command, state, style.
const TBBUTTON kToolbarButtons[] = {
    {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
    {1, kOpenCommand, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    {2, kSaveCommand, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    {0, kBuildCommand, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    {7, kDetailsButton, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    {6, kPrintCommand, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    {8, kHelpTopicsCommand, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
};

bool Exists(HWND window) { return window != nullptr && IsWindow(window); }

int HeightOf(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  return frame.bottom - frame.top;
}

// Makes the main window `change` pixels taller (or shorter, when negative),
// keeping its position and width, and repaints it.
void GrowMainWindow(HWND window, int change) {
  RECT frame;
  GetWindowRect(window, &frame);
  frame.bottom += change;
  MoveWindow(window, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, TRUE);
}

// The toolbar's Details and Print buttons follow the Details button, which is
// enabled only while a built route exists, even when the toolbar was created or
// hidden while that changed.
void MatchToolbarToDetailsButton(const Shell& shell) {
  BOOL routeBuilt = IsWindowEnabled(GetDlgItem(shell.mainWindow, kDetailsButton));
  SendMessageA(shell.toolbar, TB_ENABLEBUTTON, kDetailsButton, MAKELONG(routeBuilt, 0));
  SendMessageA(shell.toolbar, TB_ENABLEBUTTON, kPrintCommand, MAKELONG(routeBuilt, 0));
}

void CheckMenuCommand(const Shell& shell, int commandId, bool checked) {
  CheckMenuItem(shell.mainMenu, commandId, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

struct ControlShift {
  HWND mainWindow;
  int offset;
};

// Moves one control of the main window by the toolbar's height. Only the main
// window's own children move: a child's children keep their place in it.
BOOL CALLBACK ShiftControl(HWND child, LPARAM shiftAddress) {
  const ControlShift& shift = *reinterpret_cast<const ControlShift*>(shiftAddress);
  if (GetAncestor(child, GA_PARENT) != shift.mainWindow) return TRUE;
  char className[64];
  if (GetClassNameA(child, className, sizeof className) == 0) className[0] = '\0';
  if (lstrcmpiA(className, TOOLBARCLASSNAMEA) == 0) return TRUE;

  RECT frame;
  GetWindowRect(child, &frame);
  POINT topLeft = {frame.left, frame.top};
  ScreenToClient(shift.mainWindow, &topLeft);
  MoveWindow(child, topLeft.x, topLeft.y + shift.offset, frame.right - frame.left, frame.bottom - frame.top,
             TRUE);
  return TRUE;
}

void PlaceStatusBar(const Shell& shell) {
  if (shell.statusBar != nullptr) SendMessageA(shell.statusBar, WM_SIZE, 0, 0);
}

void AdjustForStatusBar(Shell& shell, bool repaintBar) {
  if (!Exists(shell.statusBar)) return;
  int height = HeightOf(shell.statusBar);
  GrowMainWindow(shell.mainWindow, shell.session->settings.showStatusbar ? height : -height);
  if (repaintBar) PlaceStatusBar(shell);
}

void AdjustForToolbar(Shell& shell, bool repaintBar) {
  if (!Exists(shell.toolbar)) return;
  int height = HeightOf(shell.toolbar);
  int offset = shell.session->settings.showToolbar ? height : -height;
  GrowMainWindow(shell.mainWindow, offset);
  if (repaintBar) {
    SendMessageA(shell.toolbar, WM_SIZE, 0, 0);
    PlaceStatusBar(shell);
  }
  ControlShift shift = {shell.mainWindow, offset};
  if (!EnumChildWindows(shell.mainWindow, ShiftControl, reinterpret_cast<LPARAM>(&shift))) return;
  if (shell.session->settings.showStatusbar) PlaceStatusBar(shell);
  InvalidateRect(shell.mainWindow, nullptr, TRUE);
}

}  // namespace

void CreateBars(Shell& shell) {
  const ProgramSettings& settings = shell.session->settings;
  if (settings.showTooltips) CreateTooltips(shell);
  if (settings.showStatusbar) CreateStatusBar(shell, shell.mainWindow, kStatusBar, shell.instance, 1);
  // Details is disabled by now, so the toolbar starts with Details and Print
  // disabled too.
  if (settings.showToolbar) CreateToolbar(shell, shell.mainWindow);
}

bool CreateStatusBar(Shell& shell, HWND parent, int controlId, HINSTANCE instance, int parts) {
  InitCommonControls();
  HWND statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, nullptr);
  if (statusBar == nullptr) return false;
  shell.statusBar = statusBar;

  if (parts < 1) parts = 1;
  if (parts > kMaxStatusParts) parts = kMaxStatusParts;
  RECT client;
  GetClientRect(parent, &client);
  int edges[kMaxStatusParts];
  edges[0] = client.right / parts;
  for (int i = 1; i < parts; ++i) edges[i] = edges[i - 1] * 2;
  SendMessageA(statusBar, SB_SETPARTS, parts, reinterpret_cast<LPARAM>(edges));

  ShowWindow(statusBar, SW_SHOW);
  CheckMenuCommand(shell, kStatusbarCommand, true);
  AdjustForBar(shell, true, kStatusBar);
  return true;
}

bool CreateToolbar(Shell& shell, HWND parent) {
  InitCommonControls();
  shell.toolbar = CreateToolbarEx(parent, WS_CHILD | WS_VISIBLE | WS_BORDER | TBSTYLE_TOOLTIPS, kToolbar,
                                  kToolbarImageCount, shell.instance, kToolbarBitmap, kToolbarButtons,
                                  sizeof kToolbarButtons / sizeof kToolbarButtons[0], 0, 0, 0, 0,
                                  sizeof(TBBUTTON));
  bool exists = shell.toolbar != nullptr;
  if (exists) {
    MatchToolbarToDetailsButton(shell);
    ShowWindow(shell.toolbar, SW_SHOW);
  }
  CheckMenuCommand(shell, kToolbarCommand, exists);
  AdjustForBar(shell, true, kToolbar);
  return exists;
}

void ToggleStatusBar(Shell& shell) {
  ProgramSettings& settings = shell.session->settings;
  if (!Exists(shell.statusBar)) {
    settings.showStatusbar = 1;
    CreateStatusBar(shell, shell.mainWindow, kStatusBar, shell.instance, 1);
    return;
  }
  bool wasVisible = IsWindowVisible(shell.statusBar);
  settings.showStatusbar = !wasVisible;
  ShowWindow(shell.statusBar, wasVisible ? SW_HIDE : SW_SHOW);
  CheckMenuCommand(shell, kStatusbarCommand, !wasVisible);
  AdjustForBar(shell, true, kStatusBar);
}

void ToggleToolbar(Shell& shell) {
  ProgramSettings& settings = shell.session->settings;
  if (!Exists(shell.toolbar)) {
    settings.showToolbar = 1;
    CreateToolbar(shell, shell.mainWindow);
    return;
  }
  bool wasVisible = IsWindowVisible(shell.toolbar);
  settings.showToolbar = !wasVisible;
  if (!wasVisible) MatchToolbarToDetailsButton(shell);
  ShowWindow(shell.toolbar, wasVisible ? SW_HIDE : SW_SHOW);
  CheckMenuCommand(shell, kToolbarCommand, !wasVisible);
  AdjustForBar(shell, true, kToolbar);
}

void AdjustForBar(Shell& shell, bool repaintBar, int barId) {
  switch (barId) {
    case kStatusBar: AdjustForStatusBar(shell, repaintBar); break;
    case kToolbar: AdjustForToolbar(shell, repaintBar); break;
    default: break;
  }
}

void ApplyMenuBar(Shell& shell, HWND window) {
  int menuHeight = GetSystemMetrics(SM_CYMENU);
  if (shell.session->settings.menuOption == 0) {
    SetMenu(window, nullptr);
    GrowMainWindow(window, -menuHeight);
  } else {
    SetMenu(window, shell.mainMenu);
    GrowMainWindow(window, menuHeight);
  }
}
