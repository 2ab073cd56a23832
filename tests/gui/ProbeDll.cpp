// The probe: a WH_GETMESSAGE hook that Wine loads into the program under test.
// It answers the driver's queries from inside the program's own thread.
#include "shell/Win32.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>

#include "Probe.h"

namespace {

UINT ProbeQueryMessageId() {
  static const UINT message = RegisterWindowMessageA(kProbeQueryMessage);
  return message;
}

UINT ProbeReplyMessageId() {
  static const UINT message = RegisterWindowMessageA(kProbeReplyMessage);
  return message;
}

struct IconSearch {
  HICON icon;
};

BOOL CALLBACK FindIconStatic(HWND child, LPARAM searchAddress) {
  IconSearch& search = *reinterpret_cast<IconSearch*>(searchAddress);
  if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
  search.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
  return search.icon == nullptr;
}

LPARAM MessageBoxIcon(HWND box) {
  IconSearch search = {nullptr};
  EnumChildWindows(box, FindIconStatic, reinterpret_cast<LPARAM>(&search));
  if (search.icon == nullptr) return kIconNone;
  if (search.icon == LoadIconA(nullptr, IDI_HAND)) return kIconError;
  if (search.icon == LoadIconA(nullptr, IDI_EXCLAMATION)) return kIconWarning;
  if (search.icon == LoadIconA(nullptr, IDI_QUESTION)) return kIconQuestion;
  if (search.icon == LoadIconA(nullptr, IDI_ASTERISK)) return kIconInformation;
  return -1;
}

LPARAM FocusedControl(HWND window) {
  HWND focus = GetFocus();
  if (focus == nullptr || !IsChild(window, focus)) return 0;
  return GetDlgCtrlID(focus);
}

// What the window answers a tooltip that asks for the text of `argument`.
LPARAM TooltipText(HWND window, std::uint32_t argument, HWND replyWindow) {
  NMTTDISPINFOA info{};
  info.szText[0] = '\0';
  info.lpszText = info.szText;
  info.hdr.code = TTN_NEEDTEXTA;
  if (argument & kToolbarCommandFlag) {
    info.hdr.idFrom = argument & ~kToolbarCommandFlag;
  } else {
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(GetDlgItem(window, static_cast<int>(argument)));
    info.uFlags = TTF_IDISHWND;
  }
  SendMessageA(window, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  bool hasText = info.lpszText != nullptr && info.lpszText != info.szText && !IS_INTRESOURCE(info.lpszText);
  SendMessageA(replyWindow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(hasText ? info.lpszText : "<none>"));
  return 1;
}

LPARAM SystemMenuItemFromEnd(HWND window, std::uint32_t fromEnd) {
  HMENU menu = GetSystemMenu(window, FALSE);
  int position = GetMenuItemCount(menu) - static_cast<int>(fromEnd);
  return position < 0 ? -1 : static_cast<LPARAM>(static_cast<int>(GetMenuItemID(menu, position)));
}

// The commands posted to the windows of the program, the latest last.
constexpr int kRememberedCommands = 16;
int postedCommands[kRememberedCommands];
int postedCommandCount = 0;

void RememberPostedCommand(const MSG& message) {
  if (message.message != WM_COMMAND || GetParent(message.hwnd) != nullptr) return;
  postedCommands[postedCommandCount % kRememberedCommands] = LOWORD(message.wParam);
  ++postedCommandCount;
}

LPARAM PostedCommand(std::uint32_t fromLatest) {
  if (fromLatest == 0 || static_cast<int>(fromLatest) > postedCommandCount ||
      fromLatest > static_cast<std::uint32_t>(kRememberedCommands))
    return 0;
  return postedCommands[(postedCommandCount - static_cast<int>(fromLatest)) % kRememberedCommands];
}

// A drop as the shell makes it: a DROPFILES block with one name and an empty one.
LPARAM DropFile(HWND window, std::uint32_t controlId, HWND replyWindow) {
  char path[MAX_PATH] = "";
  GetWindowTextA(replyWindow, path, sizeof path);
  const size_t length = std::strlen(path);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + length + 2);
  if (block == nullptr) return 0;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), path, length);
  GlobalUnlock(block);
  HWND target = controlId == 0 ? window : GetDlgItem(window, static_cast<int>(controlId));
  PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
  return 1;
}

void Answer(const MSG& query) {
  std::uint64_t word = query.wParam;
  auto kind = static_cast<ProbeQuery>(word & 0xFFFF);
  auto serial = static_cast<WPARAM>((word >> 16) & 0xFFFF);
  auto argument = static_cast<std::uint32_t>(word >> 32);
  HWND replyWindow = reinterpret_cast<HWND>(query.lParam);
  LPARAM answer = 0;
  switch (kind) {
    case kProbeSync:
      if (argument > 0) {
        PostMessageA(query.hwnd, ProbeQueryMessageId(), ProbeQueryWord(kProbeSync, argument - 1, serial),
                     query.lParam);
        return;
      }
      break;
    case kProbeMenuState:
      answer = static_cast<LPARAM>(GetMenuState(GetMenu(query.hwnd), argument, MF_BYCOMMAND));
      break;
    case kProbeFocusedControl: answer = FocusedControl(query.hwnd); break;
    case kProbeTooltipText: answer = TooltipText(query.hwnd, argument, replyWindow); break;
    case kProbeSystemMenuItem: answer = SystemMenuItemFromEnd(query.hwnd, argument); break;
    case kProbePostedCommand: answer = PostedCommand(argument); break;
    case kProbeDropFile: answer = DropFile(query.hwnd, argument, replyWindow); break;
    case kProbeMessageBoxIcon:
      answer = MessageBoxIcon(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(argument)));
      break;
  }
  PostMessageA(replyWindow, ProbeReplyMessageId(), serial, answer);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHook(int code, WPARAM removal, LPARAM lParam) {
  if (code >= 0 && removal == PM_REMOVE) {
    const MSG& message = *reinterpret_cast<const MSG*>(lParam);
    if (message.message == ProbeQueryMessageId()) Answer(message);
    RememberPostedCommand(message);
  }
  return CallNextHookEx(nullptr, code, removal, lParam);
}
