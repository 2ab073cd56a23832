// The property sheet and its page procedure: messages become calls of the
// settings-sheet logic through a page port over the page's dialog items.
#include "shell/SettingsSheetDialog.h"

#include "shell/Win32.h"

#include <commctrl.h>

#include <array>

#include "commands/Caption.h"
#include "commands/Session.h"
#include "config/ExportsPage.h"
#include "config/SettingsPageIds.h"
#include "config/SettingsPagePort.h"
#include "config/SettingsSheet.h"
#include "host/ControlIds.h"
#include "shell/Bars.h"
#include "shell/ExportsPageRows.h"
#include "shell/Help.h"
#include "shell/Shell.h"
#include "shell/Win32SettingsPage.h"

namespace {

constexpr int kPageCount = 3;
// Help topics of the sheet: its template's number in the high word, the control's
// in the low word.
constexpr DWORD kSheetTopicBase = 0x806B0000;
constexpr DWORD kSheetTopic = kSheetTopicBase + kOptionsPageTemplate;

// The controls both pages hand WinHelp: the Options page's and, of the Exports
// page, its first row.
constexpr int kOptionsHelpControls[] = {
    kPresetVfrRadio,       kPresetIfrRadio,        kPresetVorToVorRadio, kPresetLowAirwaysRadio,
    kPresetHighAirwaysRadio, kPresetDirectGpsRadio, kFliteStarDataRadio,  kMsfsDataRadio,
    kMenuBarCheck,         kShortcutMenuCheck,     kNameFromPlanRadio,   kNameFromIcaoRadio,
    kNameFromAirportsRadio, kNameByUserRadio,      kAirportFileEdit,     kAirportFileButton,
    kSourceFolderEdit,     kSourceFolderButton,    kDestFolderEdit,      kDestFolderButton,
};
constexpr int kHelpControlCount = sizeof kOptionsHelpControls / sizeof kOptionsHelpControls[0] + 3;

using HelpTopics = std::array<DWORD, 2 * kHelpControlCount + 2>;

// The control-to-topic table, each topic the control's id in the low word, ended
// by (0, 0).
HelpTopics MakeSheetHelpTopics() {
  HelpTopics topics{};
  const ExportsRowControls& firstRow = ExportsPage()[0].controls;
  std::size_t index = 0;
  auto add = [&topics, &index](int id) {
    topics[index++] = static_cast<DWORD>(id);
    topics[index++] = kSheetTopicBase + static_cast<DWORD>(id);
  };
  for (int id : kOptionsHelpControls) add(id);
  for (int id : {firstRow.check, firstRow.folderEdit, firstRow.folderButton}) add(id);
  return topics;
}

const DWORD* SheetHelpTopics() {
  static const HelpTopics topics = MakeSheetHelpTopics();
  return topics.data();
}

enum class PageKind { Options, Exports, Simulators };

// What each page's procedure needs, handed over in its PROPSHEETPAGE.
struct PageContext {
  Shell* shell;
  PageKind kind;
  bool filling;  // the page's controls are being filled: their notifications are not the user's
};

SettingsSheetContext SheetContextOf(Shell& shell) {
  Session& session = *shell.session;
  const SessionPorts& ports = session.ports;
  return {session.settings, shell.sheetFlags, {*ports.files, *ports.environment}, *ports.folders, *ports.dialogs};
}

PageContext* ContextOf(HWND page) {
  return reinterpret_cast<PageContext*>(GetWindowLongPtrA(page, DWLP_USER));
}

void SetMessageResult(HWND page, LRESULT result) { SetWindowLongPtrA(page, DWLP_MSGRESULT, result); }

void OnPageInit(HWND page, const PROPSHEETPAGEA& sheetPage) {
  auto* context = reinterpret_cast<PageContext*>(sheetPage.lParam);
  SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(context));
  Win32SettingsPage port(page, *context->shell);
  ProgramSettings& settings = context->shell->session->settings;
  context->filling = true;
  switch (context->kind) {
    case PageKind::Options: FillOptionsPage(settings, port); break;
    case PageKind::Exports:
      CreateExportsPageRows(page);
      FillExportsPage(settings, port);
      break;
    case PageKind::Simulators:
      PrepareSimulatorsList(page, kSimulatorsList);
      FillSimulatorsPage(settings, port);
      break;
  }
  context->filling = false;
}

void OnPageCommand(HWND page, int controlId, int notification) {
  PageContext* context = ContextOf(page);
  if (context == nullptr) return;
  Shell& shell = *context->shell;
  Win32SettingsPage port(page, shell);
  SettingsSheetContext sheet = SheetContextOf(shell);
  switch (context->kind) {
    case PageKind::Options: OnOptionsPageCommand(sheet, port, controlId, notification); break;
    case PageKind::Exports: OnExportsPageCommand(sheet, port, controlId, notification); break;
    case PageKind::Simulators: OnSimulatorsPageCommand(sheet, port, controlId, notification); break;
  }
}

void OnPageApply(HWND page) {
  PageContext* context = ContextOf(page);
  Shell& shell = *context->shell;
  Win32SettingsPage port(page, shell);
  SettingsSheetContext sheet = SheetContextOf(shell);
  switch (context->kind) {
    case PageKind::Options: ApplyOptionsPage(sheet, port); break;
    case PageKind::Exports: ApplyExportsPage(sheet, port); break;
    case PageKind::Simulators: ApplySimulatorsPage(sheet, port); break;
  }
  SetMessageResult(page, PSNRET_NOERROR);
}

// The sheet's notifications; TRUE when the page answered through its message result.
// A row of the Simulators page's list ticked or cleared by the user: its state
// image changed outside the filling of the page.
bool IsRowCheckChange(HWND page, const NMHDR& header) {
  if (header.idFrom != kSimulatorsList || header.code != LVN_ITEMCHANGED) return false;
  const NMLISTVIEW& change = reinterpret_cast<const NMLISTVIEW&>(header);
  const PageContext* context = ContextOf(page);
  return context != nullptr && !context->filling && (change.uChanged & LVIF_STATE) != 0 &&
         ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) != 0;
}

BOOL OnPageNotify(HWND page, const NMHDR& header) {
  if (IsRowCheckChange(page, header)) {
    OnPageCommand(page, kSimulatorsList, kListRowCheckedNotification);
    return TRUE;
  }
  switch (header.code) {
    case PSN_APPLY: OnPageApply(page); return TRUE;
    case PSN_KILLACTIVE:
    case PSN_RESET: SetMessageResult(page, FALSE); return TRUE;
    case PSN_HELP: ShowHelpTopic(page, kSheetTopic); return TRUE;
    default: return FALSE;
  }
}

INT_PTR CALLBACK SettingsPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: OnPageInit(page, *reinterpret_cast<const PROPSHEETPAGEA*>(lParam)); return TRUE;
    case WM_COMMAND: OnPageCommand(page, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_NOTIFY: return OnPageNotify(page, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_HELP: ShowControlHelp(HelpItem(lParam), SheetHelpTopics()); return TRUE;
    case WM_CONTEXTMENU: ShowControlHelpMenu(reinterpret_cast<HWND>(wParam), SheetHelpTopics()); return TRUE;
    default: return FALSE;
  }
}

PROPSHEETPAGEA MakePage(const Shell& shell, HICON icon, int templateId, PageContext& context) {
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_USEHICON | PSP_HASHELP;
  page.hInstance = shell.instance;
  page.pszTemplate = MAKEINTRESOURCEA(templateId);
  page.hIcon = icon;
  page.pfnDlgProc = SettingsPageProcedure;
  page.lParam = reinterpret_cast<LPARAM>(&context);
  return page;
}

}  // namespace

void ShowSettingsSheet(Shell& shell) {
  const SessionPorts& ports = shell.session->ports;
  OpenSettingsSheet(shell.session->settings, {*ports.files, *ports.environment}, *ports.registry);
  InitCommonControls();
  HICON icon = LoadIconA(shell.instance, MAKEINTRESOURCEA(kProgramIcon));
  PageContext optionsContext = {&shell, PageKind::Options, false};
  PageContext exportsContext = {&shell, PageKind::Exports, false};
  PageContext simulatorsContext = {&shell, PageKind::Simulators, false};
  PROPSHEETPAGEA pages[kPageCount] = {MakePage(shell, icon, kOptionsPageTemplate, optionsContext),
                                      MakePage(shell, icon, kExportsPageTemplate, exportsContext),
                                      MakePage(shell, icon, kSimulatorsPageTemplate, simulatorsContext)};
  char caption[kPathSize];
  FormatCaption("Settings", caption);

  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_USEHICON;
  header.hwndParent = shell.mainWindow;
  header.hInstance = shell.instance;
  header.hIcon = icon;
  header.pszCaption = caption;
  header.nPages = kPageCount;
  header.nStartPage = 0;
  header.ppsp = pages;
  PropertySheetA(&header);
}
