// WinHelp is asked only when "PlanTransit.hlp" is there to be shown; when it is
// missing or WinHelp fails, the help page opens instead, the same way for every
// request.
#include "shell/Help.h"

#include <shellapi.h>

#include <cstdio>

#include "writers/FileExtension.h"

namespace {

constexpr const char* kHelpFile = "PlanTransit.hlp";
constexpr const char* kHelpPage = "help.html";

// WinHelp holds one window for the whole process; so does this flag.
bool winHelpOpened = false;

bool HelpFileExists() { return GetFileAttributesA(kHelpFile) != INVALID_FILE_ATTRIBUTES; }

// Opens help.html from the program's folder with the default browser.
void OpenHelpPage(HWND owner) {
  char page[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(nullptr, page, sizeof page);
  if (length == 0 || length >= sizeof page) return;
  char* name = page + (FileNamePartOf(page) - page);
  std::snprintf(name, sizeof page - static_cast<size_t>(name - page), "%s", kHelpPage);
  ShellExecuteA(owner, "open", page, nullptr, nullptr, SW_SHOWNORMAL);
}

// WinHelp when the help file is there and WinHelp takes the request, else the page.
void WinHelpOrPage(HWND window, const char* file, UINT command, ULONG_PTR data) {
  if (HelpFileExists() && WinHelpA(window, file, command, data)) {
    winHelpOpened = true;
    return;
  }
  OpenHelpPage(window);
}

ULONG_PTR TableData(const DWORD* topics) { return reinterpret_cast<ULONG_PTR>(topics); }

}  // namespace

void ShowHelpContents(HWND owner) { WinHelpOrPage(owner, kHelpFile, HELP_FINDER, 0); }

void ShowHelpOnHelp(HWND owner) { WinHelpOrPage(owner, nullptr, HELP_HELPONHELP, 0); }

void ShowHelpTopic(HWND owner, DWORD topic) { WinHelpOrPage(owner, kHelpFile, HELP_CONTEXT, topic); }

void ShowControlHelp(HWND control, const DWORD* topics) {
  WinHelpOrPage(control, kHelpFile, HELP_WM_HELP, TableData(topics));
}

void ShowControlHelpMenu(HWND control, const DWORD* topics) {
  WinHelpOrPage(control, kHelpFile, HELP_CONTEXTMENU, TableData(topics));
}

void CloseHelp() {
  if (!winHelpOpened) return;
  winHelpOpened = false;
  WinHelpA(nullptr, kHelpFile, HELP_QUIT, 0);
}
