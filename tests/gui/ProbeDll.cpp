// The probe: a WH_GETMESSAGE hook that Wine loads into the program under test.
// It answers the driver's queries from inside the program's own thread.
#include "shell/Win32.h"

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
  }
  return CallNextHookEx(nullptr, code, removal, lParam);
}
