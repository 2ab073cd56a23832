// Cross-process window access for the GUI driver.
#include "WindowQueries.h"

#include <cstdio>

namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

struct TopLevelSearch {
  DWORD processId;
  const char* className;
  const char* title;
  HWND found;
  std::string description;
};

bool BelongsTo(HWND window, DWORD processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return owner == processId && IsWindowVisible(window);
}

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM searchAddress) {
  TopLevelSearch& search = *reinterpret_cast<TopLevelSearch*>(searchAddress);
  if (!BelongsTo(window, search.processId)) return TRUE;
  if (ClassOf(window) != search.className) return TRUE;
  if (search.title != nullptr && TextOf(window) != search.title) return TRUE;
  search.found = window;
  return FALSE;
}

BOOL CALLBACK DescribeTopLevel(HWND window, LPARAM searchAddress) {
  TopLevelSearch& search = *reinterpret_cast<TopLevelSearch*>(searchAddress);
  if (!BelongsTo(window, search.processId)) return TRUE;
  if (!search.description.empty()) search.description += ", ";
  search.description.append("[").append(ClassOf(window)).append("] \"").append(TextOf(window)).append("\"");
  return TRUE;
}

struct ChildSearch {
  HWND parent;
  std::vector<ChildPlace> places;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM searchAddress) {
  ChildSearch& search = *reinterpret_cast<ChildSearch*>(searchAddress);
  if (GetAncestor(child, GA_PARENT) != search.parent) return TRUE;
  search.places.push_back({child, GetDlgCtrlID(child), ClassOf(child), WindowRectOf(child)});
  return TRUE;
}

LPARAM KeyData(UINT virtualKey, bool release) {
  UINT scanCode = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
  LPARAM data = 1 | (static_cast<LPARAM>(scanCode) << 16);
  if (release) data |= (1LL << 30) | (1LL << 31);
  return data;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(10);
  }
}

std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &length)) return "";
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &copied)) {
    return "";
  }
  text.resize(copied < length ? copied : length);
  return text;
}

void SetTextOf(HWND window, const std::string& text) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                      kAnswerTimeoutMs, &result);
}

std::vector<std::string> ComboEntries(HWND list) {
  std::vector<std::string> entries;
  DWORD_PTR count = 0;
  SendMessageTimeoutW(list, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &count);
  for (DWORD_PTR i = 0; i < count; ++i) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, CB_GETLBTEXTLEN, i, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &length);
    std::wstring wide(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide.data()), SMTO_ABORTIFHUNG,
                        kAnswerTimeoutMs, &copied);
    char text[512] = "";
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text, sizeof text, nullptr, nullptr);
    entries.push_back(text);
  }
  return entries;
}

std::string ClassOf(HWND window) {
  char name[256];
  int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

HWND FindTopLevel(DWORD processId, const char* className, const char* title) {
  TopLevelSearch search = {processId, className, title, nullptr, ""};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string DescribeTopLevels(DWORD processId) {
  TopLevelSearch search = {processId, nullptr, nullptr, nullptr, ""};
  EnumWindows(DescribeTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.description.empty() ? "no window" : search.description;
}

HWND FindChild(HWND parent, const char* className, int controlId) {
  for (const ChildPlace& place : ChildPlaces(parent)) {
    if (place.controlId == controlId && place.className == className) return place.window;
  }
  return nullptr;
}

RECT WindowRectOf(HWND window) {
  RECT rect = {0, 0, 0, 0};
  GetWindowRect(window, &rect);
  return rect;
}

int HeightOf(HWND window) {
  RECT rect = WindowRectOf(window);
  return rect.bottom - rect.top;
}

std::string Describe(const RECT& rect) {
  char text[96];
  std::snprintf(text, sizeof text, "(%ld,%ld)-(%ld,%ld)", rect.left, rect.top, rect.right, rect.bottom);
  return text;
}

void PostCommand(HWND window, int commandId) {
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void PostClick(HWND control) {
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

void PostKey(HWND control, UINT virtualKey) {
  PostMessageA(control, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false));
  PostMessageA(control, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
}

std::vector<ChildPlace> ChildPlaces(HWND parent) {
  ChildSearch search = {parent, {}};
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
  return search.places;
}
