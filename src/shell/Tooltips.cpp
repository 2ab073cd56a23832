// The tooltip control, its tools and its feeding hook.
#include "shell/Tooltips.h"

#include "commands/CommandTexts.h"
#include "shell/Shell.h"

namespace {

// A hook procedure gets no context of its own; this is the shell whose tooltip
// it feeds.
Shell* hookedShell = nullptr;

bool IsRelayedMouseMessage(UINT message) {
  return message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ||
         message == WM_RBUTTONDOWN || message == WM_RBUTTONUP;
}

LRESULT CALLBACK RelayMouseToTooltip(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && hookedShell != nullptr) {
    const MSG* taken = reinterpret_cast<const MSG*>(lParam);
    if (IsChild(hookedShell->mainWindow, taken->hwnd) && IsRelayedMouseMessage(taken->message) &&
        hookedShell->tooltip != nullptr) {
      MSG relayed = *taken;
      relayed.hwnd = hookedShell->mainWindow;
      SendMessageA(hookedShell->tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK AddControlAsTool(HWND child, LPARAM shellAddress) {
  const Shell& shell = *reinterpret_cast<const Shell*>(shellAddress);
  char className[64];
  if (GetClassNameA(child, className, sizeof className) == 0) className[0] = '\0';
  if (lstrcmpiA(className, "STATIC") == 0) return TRUE;

  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = shell.mainWindow;
  tool.uId = reinterpret_cast<UINT_PTR>(child);
  tool.hinst = nullptr;
  tool.lpszText = LPSTR_TEXTCALLBACKA;
  SendMessageA(shell.tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  return TRUE;
}

}  // namespace

bool CreateTooltips(Shell& shell) {
  InitCommonControls();
  shell.tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, shell.mainWindow, nullptr, shell.instance,
                                  nullptr);
  if (shell.tooltip == nullptr) return false;
  EnumChildWindows(shell.mainWindow, AddControlAsTool, reinterpret_cast<LPARAM>(&shell));
  hookedShell = &shell;
  shell.tooltipHook = SetWindowsHookExA(WH_GETMESSAGE, RelayMouseToTooltip, nullptr, GetCurrentThreadId());
  return shell.tooltipHook != nullptr;
}

void TooltipText(Shell& shell, NMTTDISPINFOA* info) {
  info->hinst = shell.instance;
  UINT_PTR id = info->hdr.idFrom;
  if (info->uFlags & TTF_IDISHWND) id = static_cast<UINT_PTR>(GetDlgCtrlID(reinterpret_cast<HWND>(id)));
  if (const char* text = FindTooltipText(static_cast<int>(id))) info->lpszText = const_cast<char*>(text);
}
