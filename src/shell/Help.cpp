// Current Windows has no WinHelp viewer and no help file ships with the program,
// so WinHelp is only asked when "PlanTransit.hlp" is there to be shown; when it
// is missing or WinHelp fails, the help page beside the program opens instead.
#include "shell/Help.h"

#include <shellapi.h>

#include <cstdio>

#include "App.h"
#include "commands/ContextHelpIds.h"
#include "commands/FileNamePart.h"
#include "shell/Shell.h"

namespace {

constexpr const char* kHelpFile = "PlanTransit.hlp";
constexpr const char* kHelpPage = "help.html";

bool HelpFileExists() { return GetFileAttributesA(kHelpFile) != INVALID_FILE_ATTRIBUTES; }

ULONG_PTR HelpIdTable() { return reinterpret_cast<ULONG_PTR>(ContextHelpIds()); }

// Opens help.html from the program's folder with the default browser.
void OpenHelpPage(Shell& shell) {
  char page[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(nullptr, page, sizeof page);
  if (length == 0 || length >= sizeof page) return;
  char* name = page + (FileNamePart(page) - page);
  std::snprintf(name, sizeof page - static_cast<size_t>(name - page), "%s", kHelpPage);
  ShellExecuteA(shell.mainWindow, "open", page, nullptr, nullptr, SW_SHOWNORMAL);
}

// WinHelp when the help file is there and WinHelp takes the request, else the page.
void WinHelpOrPage(Shell& shell, HWND window, const char* file, UINT command, ULONG_PTR data) {
  if (HelpFileExists() && WinHelpA(window, file, command, data)) return;
  OpenHelpPage(shell);
}

}  // namespace

void ShowHelpContents(Shell& shell) { WinHelpOrPage(shell, nullptr, kHelpFile, HELP_FINDER, 0); }

void ShowHelpOnHelp(Shell& shell) { WinHelpOrPage(shell, nullptr, nullptr, HELP_HELPONHELP, 0); }

void ShowItemHelp(Shell& shell, HWND item) { WinHelpOrPage(shell, item, kHelpFile, HELP_WM_HELP, HelpIdTable()); }

void ShowControlPopupHelp(Shell&, HWND control) {
  if (HelpFileExists()) WinHelpA(control, kHelpFile, HELP_CONTEXTMENU, HelpIdTable());
}

void CloseHelp(Shell& shell) {
  if (HelpFileExists()) WinHelpA(shell.mainWindow, kHelpFile, HELP_QUIT, 0);
}
