// Dialog-item, combo-box, menu, toolbar and status-bar calls behind the window port.
#include "shell/Win32WindowPort.h"

#include "shell/Win32.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "config/ProgramSettings.h"
#include "host/ControlIds.h"
#include "shell/Shell.h"

namespace {

constexpr const char* kAnimationFile = "PlanTransit.AVI";

LRESULT SendToItem(const Shell& shell, int controlId, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendDlgItemMessageA(shell.mainWindow, controlId, message, wParam, lParam);
}

// The animation beside the program: the file dialogs move the current folder, so
// a bare name would be looked for wherever the user last browsed.
void AnimationPath(char (&path)[kPathSize]) {
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) {
    std::snprintf(path, sizeof path, "%s", kAnimationFile);
    return;
  }
  char* folderEnd = std::strrchr(path, '\\');
  std::size_t folderLength = folderEnd != nullptr ? static_cast<std::size_t>(folderEnd - path + 1) : 0;
  std::snprintf(path + folderLength, sizeof path - folderLength, "%s", kAnimationFile);
}

}  // namespace

void Win32WindowPort::SetControlText(int controlId, const char* text) {
  SetDlgItemTextA(shell_.mainWindow, controlId, text);
}

void Win32WindowPort::GetControlText(int controlId, char* buffer, int bufferSize) {
  if (bufferSize <= 0) return;
  buffer[0] = '\0';
  GetDlgItemTextA(shell_.mainWindow, controlId, buffer, bufferSize);
}

void Win32WindowPort::SetControlNumber(int controlId, int value) {
  SetDlgItemInt(shell_.mainWindow, controlId, static_cast<UINT>(value), TRUE);
}

void Win32WindowPort::SetControlEnabled(int controlId, bool enabled) {
  EnableWindow(GetDlgItem(shell_.mainWindow, controlId), enabled);
}

bool Win32WindowPort::IsButtonChecked(int controlId) {
  return IsDlgButtonChecked(shell_.mainWindow, controlId) == BST_CHECKED;
}

void Win32WindowPort::CheckRadio(int firstId, int lastId, int checkedId) {
  CheckRadioButton(shell_.mainWindow, firstId, lastId, checkedId);
}

void Win32WindowPort::ResetList(int listId) { SendToItem(shell_, listId, CB_RESETCONTENT, 0, 0); }

void Win32WindowPort::SetListRedraw(int listId, bool redraw) {
  SendToItem(shell_, listId, WM_SETREDRAW, redraw, 0);
  if (redraw) InvalidateRect(GetDlgItem(shell_.mainWindow, listId), nullptr, TRUE);
}

void Win32WindowPort::AddListEntry(int listId, const char* text) {
  SendToItem(shell_, listId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

int Win32WindowPort::ListEntryCount(int listId) {
  return static_cast<int>(SendToItem(shell_, listId, CB_GETCOUNT, 0, 0));
}

int Win32WindowPort::ListEntryLength(int listId, int index) {
  return static_cast<int>(SendToItem(shell_, listId, CB_GETLBTEXTLEN, index, 0));
}

void Win32WindowPort::GetListEntry(int listId, int index, char* buffer, int bufferSize) {
  if (bufferSize <= 0) return;
  buffer[0] = '\0';
  int length = ListEntryLength(listId, index);
  if (length < 0) return;
  // CB_GETLBTEXT knows no buffer size: an entry that does not fit is read whole
  // and then cut.
  std::string entry(static_cast<std::size_t>(length) + 1, '\0');
  SendToItem(shell_, listId, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
  std::snprintf(buffer, static_cast<std::size_t>(bufferSize), "%s", entry.c_str());
}

void Win32WindowPort::SelectListEntry(int listId, int index) {
  SendToItem(shell_, listId, CB_SETCURSEL, index, 0);
}

int Win32WindowPort::ListSelection(int listId) {
  return static_cast<int>(SendToItem(shell_, listId, CB_GETCURSEL, 0, 0));
}

void Win32WindowPort::SetMenuItemEnabled(int commandId, bool enabled) {
  if (shell_.mainMenu == nullptr) return;
  EnableMenuItem(shell_.mainMenu, commandId, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void Win32WindowPort::SetToolbarButtonEnabled(int commandId, bool enabled) {
  if (shell_.toolbar == nullptr) return;
  SendMessageA(shell_.toolbar, TB_ENABLEBUTTON, commandId, MAKELONG(enabled, 0));
}

bool Win32WindowPort::IsStatusBarVisible() {
  return shell_.statusBar != nullptr && IsWindowVisible(shell_.statusBar);
}

void Win32WindowPort::SetStatusText(const char* text) {
  if (shell_.statusBar == nullptr) return;
  SendMessageA(shell_.statusBar, SB_SETTEXTA, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text));
}

void Win32WindowPort::StartBusyFeedback() {
  HWND animation = GetDlgItem(shell_.mainWindow, kAnimation);
  ShowWindow(animation, SW_SHOW);
  char path[kPathSize];
  AnimationPath(path);
  if (SendMessageA(animation, ACM_OPENA, 0, reinterpret_cast<LPARAM>(path))) {
    SendMessageA(animation, ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, -1));
  }
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void Win32WindowPort::StopBusyFeedback() {
  HWND animation = GetDlgItem(shell_.mainWindow, kAnimation);
  SendMessageA(animation, ACM_STOP, 0, 0);
  SendMessageA(animation, ACM_OPENA, 0, 0);
  ShowWindow(animation, SW_HIDE);
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

void Win32WindowPort::PostCommand(int commandId) {
  PostMessageA(shell_.mainWindow, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void Win32WindowPort::SendCommand(int commandId) {
  SendMessageA(shell_.mainWindow, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void Win32WindowPort::SetTitle(const char* title) { SetWindowTextA(shell_.mainWindow, title); }
