// The keyboard in the main window: no dialog navigation, and the accelerators.
#include "MainWindowRun.h"

namespace {

// Without dialog keyboard handling Tab and Enter are ordinary keys of the
// focused control: a multi-line edit takes them as text, where a dialog would
// move the focus on Tab and press the default button "&Save" on Enter.
void TabAndEnterReachTheFocusedControl(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "keyboard", nullptr, report);
  HWND window = run.Window();
  if (window == nullptr) return;
  TestedProgram& program = run.Program();

  HWND source = run.Item(kSourceEdit);
  PostClick(source);
  program.Sync(report);
  report.ExpectNumber(kSourceEdit, program.FocusedControl(report), "focus after clicking edit 1010");
  PostKey(source, VK_TAB);
  program.Sync(report);
  report.ExpectNumber(kSourceEdit, program.FocusedControl(report), "focus after Tab in edit 1010");
  PostKey(source, VK_RETURN);
  program.Sync(report);
  report.ExpectNumber(kSourceEdit, program.FocusedControl(report), "focus after Enter in edit 1010");

  HWND route = run.Item(kRouteEdit);
  PostClick(route);
  PostKey(route, VK_TAB);
  program.Sync(report);
  report.ExpectNumber(kRouteEdit, program.FocusedControl(report), "focus after Tab in the route edit");
  PostKey(route, VK_RETURN);
  program.Sync(report);
  report.ExpectNumber(kRouteEdit, program.FocusedControl(report), "focus after Enter in the route edit");
  report.ExpectText("\t\r\n", TextOf(route), "route edit after Tab and Enter");
  report.Expect(FindTopLevel(program.ProcessId(), "#32770", nullptr) == nullptr,
                "a dialog or message box opened: " + DescribeTopLevels(program.ProcessId()));
}

// Ctrl+E arrives as the control character 5, which accelerator table 109 turns
// into "&Exit" before any control sees it.
void CtrlEEndsTheProgramThroughTheAccelerators(const DriverPaths& paths, CaseReport& report) {
  TestedProgram program(paths);
  if (!program.Start(Quoted(paths.program), paths.work + "\\accelerators.cfg", report)) return;
  HWND window = program.WaitForWindow("PlanTransit", report);
  if (window == nullptr) return;
  HWND source = GetDlgItem(window, kSourceEdit);
  std::string before = TextOf(source);
  PostMessageA(source, WM_CHAR, 5, 1);
  DWORD exitCode = 1;
  if (report.Expect(program.WaitForExit(exitCode), "Ctrl+E did not end the program; edit 1010 holds \"" +
                                                       Visible(TextOf(source)) + "\", was \"" + before + "\"")) {
    report.ExpectNumber(0, exitCode, "exit code after Ctrl+E");
  }
}

}  // namespace

std::vector<GuiCase> KeyboardCases() {
  return {
      {"TabAndEnterReachTheFocusedControl", TabAndEnterReachTheFocusedControl},
      {"CtrlEEndsTheProgramThroughTheAccelerators", CtrlEEndsTheProgramThroughTheAccelerators},
  };
}
