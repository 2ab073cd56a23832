// Menu help in the status bar, the buttons' Alt shortcuts, the right-button
// shortcut menu, the Print command's build guard and files dropped on the window.
#include "MainWindowRun.h"
#include "ProgramDialogs.h"
#include "support/NoPlanMessage.h"

namespace {

constexpr const char* kPopupMenuClass = "#32768";
constexpr const char* kDetailsTitle = "PlanTransit - Route Details";
// A command id the window ignores: a marker in the record of posted commands,
// after which a step that must post nothing leaves it the latest.
constexpr int kIgnoredCommand = 0x7FFF;
// The source a fresh configuration holds.
constexpr const char* kNoSourceYet = "Please select a valid path and filename";

// Highlighting each menu item (as the menu does, WM_MENUSELECT) shows its help
// text in the status bar; the menu closing empties it.
void MenuItemsShowTheirHelpInTheStatusBar(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "menu-help", nullptr, report);
  HWND window = run.Window();
  HWND statusBar = window != nullptr ? run.StatusBar() : nullptr;
  if (!report.Expect(statusBar != nullptr, "no status bar")) return;
  struct Item {
    int id;
    const char* text;
  };
  const Item items[] = {
      {kExitCommand, "Terminates PlanTransit"},
      {kHelpTopicsCommand, "Displays Help on PlanTransit"},
      {kAboutCommand, "Displays Information about PlanTransit"},
      {kSaveCommand, "Creates a Bulk of Flightplans"},
      {kHelpOnHelpCommand, "Displays Help on WinHelp"},
      {kBuildCommand, "Builds the WP Table and Airport/Runway Table"},
      {kOpenCommand, "Opens a FliteStar/FliteMap Flightplan"},
      {kSaveAsCommand, "Creates a single Flightplan"},
      {kSettingsCommand, "Displays Settings Dialog"},
      {kPrintCommand, "Prints the Route Details"},
      {kStatusbarCommand, "Toggles Statusbar On or Off"},
      {kToolbarCommand, "Toggles Toolbar On or Off"},
      {kHelpButton, ""},
  };
  for (const Item& item : items) {
    SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(item.id, MF_STRING), 0);
    report.ExpectText(item.text, TextOf(statusBar), "status bar for menu item " + std::to_string(item.id));
  }
  SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(kPrintCommand, MF_STRING), 0);
  SendMessageA(window, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  report.ExpectText("", TextOf(statusBar), "status bar after the menu closed");
}

// Alt+letter as the keyboard delivers it: a system character that no menu item
// matches reaches the window as WM_MENUCHAR.
int CommandAfterAltLetter(MainWindowRun& run, char letter, CaseReport& report) {
  PostMessageA(run.Window(), WM_SYSCHAR, static_cast<WPARAM>(letter), 1 | (1 << 29));
  run.Program().Sync(report);
  return run.Program().PostedCommand(1, report);
}

// Before any build Alt+B builds from the placeholder a fresh configuration holds
// as its source, which cannot be opened, and Alt+D opens the empty details though
// the button is disabled. Alt+Shift+B matches no button.
void AltBPostsBuildAndAltDDetailsBeforeAnyBuild(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "alt-letters", nullptr, report);
  if (run.Window() == nullptr) return;
  TestedProgram& program = run.Program();
  report.Expect(!IsWindowEnabled(run.Item(kDetailsButton)), "\"&Details\" is enabled before any build");
  report.ExpectNumber(kBuildButton, CommandAfterAltLetter(run, 'b', report), "command posted by Alt+B");
  AnswerNextMessage(program, report, std::string("Failed to open FliteStar Flightplan file ") + kNoSourceYet,
                    kIconError, "[OK]", IDOK);
  AnswerNextMessage(program, report, std::string("Failed to build Flight-Plan from file ") + kNoSourceYet,
                    kIconWarning, "[OK]", IDOK);
  report.ExpectNumber(kDetailsButton, CommandAfterAltLetter(run, 'd', report), "command posted by Alt+D");
  if (HWND details = WaitForDialog(program, kDetailsTitle, report)) {
    PostMessageA(details, WM_COMMAND, IDOK, 0);
    report.Expect(WaitUntilGone(program, kDetailsTitle), "\"&OK\" did not close the details");
  }
  PostCommand(run.Window(), kIgnoredCommand);
  program.Sync(report);
  report.ExpectNumber(kIgnoredCommand, CommandAfterAltLetter(run, 'B', report),
                      "latest command after Alt+Shift+B");
}

// The shortcut menu appears on a right click only with the mouse option on.
void RightClickShowsTheShortcutMenuOnlyWithTheMouseOption(const DriverPaths& paths, CaseReport& report) {
  for (int mouseOption : {1, 0}) {
    const std::string config = "[Startup]\r\nMouseoption=" + std::to_string(mouseOption) + "\r\n";
    MainWindowRun run(paths, "right-click", config.c_str(), report);
    HWND window = run.Window();
    if (window == nullptr) return;
    PostMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(8, 8));
    const DWORD process = run.Program().ProcessId();
    if (mouseOption) {
      HWND menu = nullptr;
      const bool shown = WaitUntil([&] { return (menu = FindTopLevel(process, kPopupMenuClass, nullptr)) != nullptr; });
      report.Expect(shown, "no shortcut menu with Mouseoption=1; windows: " + DescribeTopLevels(process));
      if (!shown) continue;
      PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 1);
      report.Expect(WaitUntil([&] { return FindTopLevel(process, kPopupMenuClass, nullptr) == nullptr; }),
                    "the shortcut menu did not close on Escape");
    } else {
      run.Program().Sync(report);
      report.Expect(FindTopLevel(process, kPopupMenuClass, nullptr) == nullptr,
                    "a shortcut menu with Mouseoption=0");
    }
  }
}

void PrintBeforeAnyBuildWarnsAndPostsTheBuild(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "print-guard", nullptr, report);
  if (run.Window() == nullptr) return;
  PostCommand(run.Window(), kPrintCommand);
  AnswerNextMessage(run.Program(), report, "No Route Build Process has been run yet!\nWill do this for you now!",
                    kIconWarning, "[OK]", IDOK);
  run.Program().Sync(report);
  report.ExpectNumber(kBuildButton, run.Program().PostedCommand(1, report), "command posted by the guard");
}

// A file dropped on the window or on edit 1010 becomes the source plan and its
// build is posted; a FliteStar original is refused with the open dialog's text.
// The dropped files are no plans, so each build stops with the file's name.
void DroppedFileBecomesTheSourceAndStartsABuild(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "drop", nullptr, report);
  if (run.Window() == nullptr) return;
  TestedProgram& program = run.Program();
  const std::string plans[] = {paths.work + "\\dropped.txt", paths.work + "\\edit-drop.txt"};
  for (const std::string& plan : plans) WriteTextFile(plan, "FliteStar export\r\n");

  const int targets[] = {0, kSourceEdit};
  for (int i = 0; i < 2; ++i) {
    const std::string where = targets[i] == 0 ? "the window" : "edit 1010";
    if (!report.Expect(program.DropFile(targets[i], plans[i], report), "the drop on " + where + " failed")) return;
    program.Sync(report);
    report.ExpectText(plans[i], TextOf(run.Item(kSourceEdit)), "edit 1010 after a drop on " + where);
    const std::string name = plans[i].substr(plans[i].rfind('\\') + 1);
    report.ExpectText("PlanTransit - " + name, TextOf(run.Window()), "title after a drop on " + where);
    report.ExpectNumber(kBuildButton, program.PostedCommand(1, report), "command posted after a drop on " + where);
    AnswerNextMessage(program, report, NoPlanOfAnyKindText(name), kIconError, "[OK]", IDOK);
    AnswerNextMessage(program, report, "Failed to build Flight-Plan from file " + name, kIconWarning, "[OK]", IDOK);
  }

  PostCommand(run.Window(), kIgnoredCommand);
  program.Sync(report);
  program.DropFile(0, paths.work + "\\original.fcf", report);
  AnswerNextMessage(program, report,
                    "Original FliteStar files not yet directly supported!!!\n"
                    "Run FliteStar and export Flight plan as Generic Text format file!",
                    kIconWarning, "[OK]", IDOK);
  program.Sync(report);
  report.ExpectText(plans[1], TextOf(run.Item(kSourceEdit)), "edit 1010 after the refused drop");
  report.ExpectNumber(kIgnoredCommand, program.PostedCommand(1, report), "latest command after the refused drop");
}

}  // namespace

std::vector<GuiCase> SecondaryCommandCases() {
  return {
      {"MenuItemsShowTheirHelpInTheStatusBar", MenuItemsShowTheirHelpInTheStatusBar},
      {"RightClickShowsTheShortcutMenuOnlyWithTheMouseOption", RightClickShowsTheShortcutMenuOnlyWithTheMouseOption},
      {"AltBPostsBuildAndAltDDetailsBeforeAnyBuild", AltBPostsBuildAndAltDDetailsBeforeAnyBuild},
      {"PrintBeforeAnyBuildWarnsAndPostsTheBuild", PrintBeforeAnyBuildWarnsAndPostsTheBuild},
      {"DroppedFileBecomesTheSourceAndStartsABuild", DroppedFileBecomesTheSourceAndStartsABuild},
  };
}
