// The settings sheet, the route details view and the about box, opened from the
// menu, the accelerator and the system menu, and worked as a person works them.
#include "ListViewQueries.h"
#include "MainWindowRun.h"
#include "ProgramDialogs.h"
#include "config/ExportsPage.h"
#include "config/SettingsPageIds.h"

namespace {

constexpr int kApplyButton = 0x3021;  // the property sheet's "Apply"
constexpr int kDetailsList = IDC_ROUTE_DETAILS_LIST;
constexpr const char* kSheetTitle = "PlanTransit - Settings";
constexpr const char* kSaved =
    "The Default settings have successfully been saved!\n"
    "For some options to take effect, you have to restart PlanTransit!";

// The page the sheet shows: its one visible child dialog.
HWND ActivePage(HWND sheet) {
  for (HWND child = FindWindowExA(sheet, nullptr, "#32770", nullptr); child != nullptr;
       child = FindWindowExA(sheet, child, "#32770", nullptr)) {
    if (IsWindowVisible(child)) return child;
  }
  return nullptr;
}

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

// Checks the confirmation over the sheet and presses its OK.
void ExpectConfirmation(TestedProgram& program, CaseReport& report) {
  AnswerNextMessage(program, report, kSaved, kIconInformation, "[OK]", IDOK);
}

void SheetFromTheMenuStoresTheFlightTypeOnApply(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "settings-apply", nullptr, report);
  if (run.Window() == nullptr) return;
  TestedProgram& program = run.Program();
  PostCommand(run.Window(), kSettingsCommand);
  HWND sheet = WaitForDialog(program, kSheetTitle, report);
  HWND page = sheet != nullptr ? ActivePage(sheet) : nullptr;
  if (!report.Expect(page != nullptr, "the sheet shows no page")) return;
  report.Expect(IsChecked(GetDlgItem(page, kPresetVfrRadio)), "\"VFR\" is not checked in a fresh run");
  report.Expect(IsChecked(GetDlgItem(page, kMenuBarCheck)), "\"Display Menu bar\" is not checked");
  report.ExpectText("Please select a valid path", TextOf(GetDlgItem(page, kSourceFolderEdit)), "field 1049");

  Click(GetDlgItem(page, kPresetIfrRadio));
  program.Sync(report);
  report.Expect(IsWindowEnabled(GetDlgItem(sheet, kApplyButton)) != FALSE, "Apply is not enabled after a click");
  Click(GetDlgItem(sheet, kApplyButton));
  ExpectConfirmation(program, report);
  std::string stored = ReadFileBytes(run.ConfigPath());
  report.Expect(stored.find("[DefFlightType]\r\nFlighttype=1\r\n") != std::string::npos,
                "the file lacks Flighttype=1: " + Visible(stored));
  report.Expect(stored.find("[DefRouteType]\r\nRoutetype=1\r\n") != std::string::npos,
                "the file lacks Routetype=1: " + Visible(stored));
  Click(GetDlgItem(sheet, IDCANCEL));
  report.Expect(WaitUntilGone(program, kSheetTitle), "Cancel did not close the sheet");

  // Ctrl+D opens it again, from the stored values.
  PostMessageA(run.Item(kSourceEdit), WM_CHAR, 4, 1);
  sheet = WaitForDialog(program, kSheetTitle, report);
  page = sheet != nullptr ? ActivePage(sheet) : nullptr;
  if (!report.Expect(page != nullptr, "Ctrl+D opened no sheet")) return;
  report.Expect(IsChecked(GetDlgItem(page, kPresetIfrRadio)), "\"IFR\" is not checked after reopening");
  Click(GetDlgItem(sheet, IDCANCEL));
  report.Expect(WaitUntilGone(program, kSheetTitle), "Cancel did not close the reopened sheet");
}

void UncheckingTheMenuBarRemovesItAndShortensTheWindow(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "settings-menu-bar", nullptr, report);
  HWND window = run.Window();
  if (window == nullptr) return;
  TestedProgram& program = run.Program();
  report.Expect(GetMenu(window) != nullptr, "no menu bar at start");
  RECT frame = WindowRectOf(window);
  PostMessageA(window, WM_SYSCOMMAND, kSettingsCommand, 0);  // from the system menu
  HWND sheet = WaitForDialog(program, kSheetTitle, report);
  HWND page = sheet != nullptr ? ActivePage(sheet) : nullptr;
  if (!report.Expect(page != nullptr, "the system menu opened no sheet")) return;
  Click(GetDlgItem(page, kMenuBarCheck));
  program.Sync(report);
  report.Expect(!IsChecked(GetDlgItem(page, kMenuBarCheck)), "\"Display Menu bar\" is still checked");
  Click(GetDlgItem(sheet, IDOK));
  ExpectConfirmation(program, report);
  report.Expect(WaitUntilGone(program, kSheetTitle), "OK did not close the sheet");
  program.Sync(report);
  report.Expect(GetMenu(window) == nullptr, "the menu bar is still there");
  report.ExpectText(Describe({frame.left, frame.top, frame.right, frame.bottom - GetSystemMetrics(SM_CYMENU)}),
                    Describe(WindowRectOf(window)), "window without the menu bar");
  report.Expect(ReadFileBytes(run.ConfigPath()).find("Menuoption=0\r\n") != std::string::npos,
                "the file lacks Menuoption=0");
}

// The Exports tab shows a row per format, in the page's order, made with the page:
// its label, a folder field and a "..." button under the ids the rows have always
// had; a ticked switch is stored under the format's key.
void ExportsPageShowsEveryFormatAndStoresATickedSwitch(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "settings-exports", nullptr, report);
  if (run.Window() == nullptr) return;
  TestedProgram& program = run.Program();
  PostCommand(run.Window(), kSettingsCommand);
  HWND sheet = WaitForDialog(program, kSheetTitle, report);
  if (sheet == nullptr) return;
  PostMessageA(sheet, PSM_SETCURSEL, 1, 0);
  program.Sync(report);
  HWND page = ActivePage(sheet);
  if (!report.Expect(page != nullptr && GetDlgItem(page, ExportsPage()[0].controls.check) != nullptr,
                     "the Exports tab shows no rows")) {
    return;
  }
  int previousTop = -1;
  for (const ExportsPageRow& row : ExportsPage()) {
    HWND check = GetDlgItem(page, row.controls.check);
    HWND folder = GetDlgItem(page, row.controls.folderEdit);
    HWND button = GetDlgItem(page, row.controls.folderButton);
    std::string label = row.type->label;
    if (!report.Expect(check != nullptr && folder != nullptr && button != nullptr, "no full row for " + label)) continue;
    report.ExpectText(label, TextOf(check), "label of check box " + std::to_string(row.controls.check));
    report.ExpectText("Button", ClassOf(check), "class of the check box of " + label);
    report.ExpectText("Edit", ClassOf(folder), "class of the folder field of " + label);
    report.ExpectText("...", TextOf(button), "the folder button of " + label);
    report.Expect(!IsChecked(check), label + " is switched on in a fresh run");
    RECT place = WindowRectOf(check);
    report.Expect(place.top > previousTop, label + " is not below the row before it");
    previousTop = place.top;
  }
  const ExportsPageRow& last = ExportsPage().back();
  Click(GetDlgItem(page, last.controls.check));
  program.Sync(report);
  Click(GetDlgItem(sheet, IDOK));
  report.Expect(WaitUntilGone(program, kSheetTitle), "OK did not close the sheet");
  std::string stored = ReadFileBytes(run.ConfigPath());
  report.Expect(stored.find(std::string("\r\n") + last.type->name + "=1\r\n") != std::string::npos,
                std::string("the file lacks ") + last.type->name + "=1: " + Visible(stored));
}

// The Simulators tab lists a row per simulator target in the registry's order,
// its label and folder, none ticked in a fresh run; a row ticked there is stored
// under the target's key.
void SimulatorsPageListsEveryTargetAndStoresATickedRow(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "settings-simulators", nullptr, report);
  if (run.Window() == nullptr) return;
  TestedProgram& program = run.Program();
  PostCommand(run.Window(), kSettingsCommand);
  HWND sheet = WaitForDialog(program, kSheetTitle, report);
  if (sheet == nullptr) return;
  PostMessageA(sheet, PSM_SETCURSEL, 2, 0);
  program.Sync(report);
  HWND page = ActivePage(sheet);
  HWND list = page != nullptr ? GetDlgItem(page, kSimulatorsList) : nullptr;
  if (!report.Expect(list != nullptr, "the Simulators tab shows no list")) return;
  report.ExpectText("Simulator", ColumnHeader(list, program.ProcessId(), 0), "first column");
  report.ExpectText("Folder", ColumnHeader(list, program.ProcessId(), 1), "second column");
  report.ExpectText("Change folder...", TextOf(GetDlgItem(page, kChangeFolderButton)), "the folder button");
  std::vector<const ExportType*> targets;
  for (const ExportType& type : kExportTypes) {
    if (type.page == SettingsPage::Simulators) targets.push_back(&type);
  }
  report.ExpectNumber(static_cast<long>(targets.size()), ListItemCount(list), "rows");
  for (std::size_t row = 0; row < targets.size(); ++row) {
    const int item = static_cast<int>(row);
    report.ExpectText(targets[row]->label, ItemText(list, program.ProcessId(), item, 0), "row " + std::to_string(row));
    report.ExpectText("Please select a valid path", ItemText(list, program.ProcessId(), item, 1),
                      std::string("folder of ") + targets[row]->label);
    report.ExpectNumber(INDEXTOSTATEIMAGEMASK(1), ItemState(list, item, LVIS_STATEIMAGEMASK),
                        std::string("check box of ") + targets[row]->label);
  }
  const ExportType& ticked = *targets.back();
  report.Expect(SetItemState(list, program.ProcessId(), static_cast<int>(targets.size()) - 1, INDEXTOSTATEIMAGEMASK(2),
                             LVIS_STATEIMAGEMASK),
                "the last row could not be ticked");
  program.Sync(report);
  report.Expect(IsWindowEnabled(GetDlgItem(sheet, kApplyButton)) != FALSE, "Apply is not enabled after a tick");
  Click(GetDlgItem(sheet, IDOK));
  report.Expect(WaitUntilGone(program, kSheetTitle), "OK did not close the sheet");
  std::string stored = ReadFileBytes(run.ConfigPath());
  report.Expect(stored.find(std::string("\r\n") + ticked.name + "=1\r\n") != std::string::npos,
                std::string("the file lacks ") + ticked.name + "=1: " + Visible(stored));
}

// Nothing is built yet: the view lists no rows under its six headers.
void DetailsBeforeABuildShowAnEmptyListWithSixHeaders(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "details-empty", nullptr, report);
  if (run.Window() == nullptr) return;
  TestedProgram& program = run.Program();
  PostCommand(run.Window(), kDetailsButton);
  HWND details = WaitForDialog(program, "PlanTransit - Route Details", report);
  if (details == nullptr) return;
  HWND list = GetDlgItem(details, kDetailsList);
  report.ExpectText("SysListView32", ClassOf(list), "class of control 1032");
  report.ExpectNumber(0, ListItemCount(list), "rows before any build");
  const char* headers[] = {"Index", "WP    ", "Type", "Latitude", "Longitude", "Altitude"};
  for (int i = 0; i < 6; ++i) {
    report.ExpectText(headers[i], ColumnHeader(list, program.ProcessId(), i), "header " + std::to_string(i));
  }
  report.ExpectText("<no column>", ColumnHeader(list, program.ProcessId(), 6), "a seventh column");
  report.ExpectText("", ItemText(list, program.ProcessId(), 0, 0), "text of a row that does not exist");
  PostMessageA(details, WM_COMMAND, IDOK, 0);
  report.Expect(WaitUntilGone(program, "PlanTransit - Route Details"), "\"&OK\" did not close the details");
}

void AboutBoxFromTheSystemMenu(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "about", nullptr, report);
  if (run.Window() == nullptr) return;
  TestedProgram& program = run.Program();
  PostMessageA(run.Window(), WM_SYSCOMMAND, kAboutCommand, 0);
  HWND about = WaitForDialog(program, "PlanTransit - Version Information", report);
  if (about == nullptr) return;
  std::string texts;
  for (const ChildPlace& place : ChildPlaces(about)) texts.append("[").append(TextOf(place.window)).append("]");
  report.Expect(texts.find("[Program Version\t 1.0.8]") != std::string::npos,
                "no \"Program Version\\t 1.0.8\" among " + Visible(texts));
  PostMessageA(about, WM_COMMAND, IDCANCEL, 0);  // Escape
  report.Expect(WaitUntilGone(program, "PlanTransit - Version Information"), "Escape did not close the about box");
}

}  // namespace

std::vector<GuiCase> SettingsCases() {
  return {
      {"SheetFromTheMenuStoresTheFlightTypeOnApply", SheetFromTheMenuStoresTheFlightTypeOnApply},
      {"UncheckingTheMenuBarRemovesItAndShortensTheWindow", UncheckingTheMenuBarRemovesItAndShortensTheWindow},
      {"ExportsPageShowsEveryFormatAndStoresATickedSwitch", ExportsPageShowsEveryFormatAndStoresATickedSwitch},
      {"SimulatorsPageListsEveryTargetAndStoresATickedRow", SimulatorsPageListsEveryTargetAndStoresATickedRow},
      {"DetailsBeforeABuildShowAnEmptyListWithSixHeaders", DetailsBeforeABuildShowAnEmptyListWithSixHeaders},
      {"AboutBoxFromTheSystemMenu", AboutBoxFromTheSystemMenu},
  };
}
