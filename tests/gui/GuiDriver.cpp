// The GUI test driver: runs every case against PlanTransit.exe under Wine and
// fails when any expectation failed, listing what it saw.
//
//   GuiDriver PlanTransit.exe FileDialogHarness.exe GuiProbe.dll [name-part]
//   GuiDriver --hold PlanTransit.exe GuiProbe.dll RECT-FILE DONE-FILE [VIEW]
//
// The second form starts the program with the defaults, opens VIEW ("main", the
// default; "options", "exports" and "simulators", the settings sheet's pages; "details", the
// route details of a sample built with the bundled airport data), writes that window's screen rectangle ("left top width height")
// to RECT-FILE, and closes the program once DONE-FILE exists (for screenshots).
#include "shell/Win32.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "GuiCases.h"
#include "WindowQueries.h"
#include "host/ResourceIds.h"

namespace {

std::string MakeWorkFolder() {
  char temporary[MAX_PATH];
  GetTempPathA(sizeof temporary, temporary);
  std::string folder = std::string(temporary) + "plantransit-gui-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

int RunCases(const DriverPaths& paths, const std::string& selection) {
  std::vector<GuiCase> cases;
  for (const auto& group : {StartCases(), BarCases(), KeyboardCases(), FileDialogCases(), ConversionCases(),
                            SecondaryCommandCases(), SettingsCases(), InstallationCases()}) {
    cases.insert(cases.end(), group.begin(), group.end());
  }
  int failed = 0;
  int run = 0;
  for (const GuiCase& c : cases) {
    if (!selection.empty() && std::string(c.name).find(selection) == std::string::npos) continue;
    ++run;
    std::printf("[ RUN      ] %s\n", c.name);
    std::fflush(stdout);
    CaseReport report;
    c.run(paths, report);
    for (const std::string& failure : report.Failures()) std::printf("    %s\n", failure.c_str());
    std::printf(report.Passed() ? "[       OK ] %s\n" : "[  FAILED  ] %s\n", c.name);
    std::fflush(stdout);
    if (!report.Passed()) ++failed;
  }
  std::printf("%d of %d GUI cases passed\n", run - failed, run);
  return failed == 0 && run > 0 ? 0 : 1;
}

// The details view shows a route: the configuration names a sample and the
// bundled airport data. Every other view shows a first start, with no file.
std::string ScreenshotConfiguration(const DriverPaths& paths, const std::string& view) {
  std::string path = paths.work + "\\screenshot.cfg";
  DeleteFileA(path.c_str());
  if (view == "details") {
    WriteTextFile(path, "[SrceFile]\r\nPathname=" + SourcePath("samples/frankfurt-munich.txt") +
                            "\r\nFilename=frankfurt-munich.txt\r\n"
                            "[AirpFile]\r\nPathname=" + SourcePath("data/Fsb_apts.txt") +
                            "\r\nFilename=Fsb_apts.txt\r\n");
  }
  return path;
}

void BuildTheSample(TestedProgram& program, HWND window) {
  PostCommand(window, IDC_BUILD_BUTTON);
  WaitUntil([&] { return !TextOf(GetDlgItem(window, IDC_ROUTE_EDIT)).empty(); });
  CaseReport report;
  program.Sync(report);
}

// Opens `view` over the main window; the window to photograph, or null.
HWND OpenView(TestedProgram& program, HWND window, const std::string& view) {
  if (view == "main") return window;
  const char* title = nullptr;
  if (view == "options" || view == "exports" || view == "simulators") {
    PostCommand(window, IDM_SETTINGS);
    title = "PlanTransit - Settings";
  } else if (view == "details") {
    BuildTheSample(program, window);
    PostCommand(window, IDC_DETAILS_BUTTON);
    title = "PlanTransit - Route Details";
  } else {
    return nullptr;
  }
  HWND shown = nullptr;
  WaitUntil([&] { return (shown = FindTopLevel(program.ProcessId(), "#32770", title)) != nullptr; });
  if (shown != nullptr && view == "exports") PostMessageA(shown, PSM_SETCURSEL, 1, 0);
  if (shown != nullptr && view == "simulators") PostMessageA(shown, PSM_SETCURSEL, 2, 0);
  CaseReport report;
  program.Sync(report);
  return shown;
}

int HoldForScreenshot(const DriverPaths& paths, const std::string& rectFile, const std::string& doneFile,
                      const std::string& view) {
  CaseReport report;
  TestedProgram program(paths);
  if (!program.Start(Quoted(paths.program), ScreenshotConfiguration(paths, view), report)) return 1;
  HWND window = program.WaitForWindow("PlanTransit", report);
  if (window == nullptr) {
    for (const std::string& failure : report.Failures()) std::printf("%s\n", failure.c_str());
    return 1;
  }
  HWND shown = OpenView(program, window, view);
  if (shown == nullptr) {
    std::printf("no view \"%s\"\n", view.c_str());
    PostCommand(window, 2);
    DWORD exitCode = 1;
    program.WaitForExit(exitCode);
    return 1;
  }
  RECT rect = WindowRectOf(shown);
  WriteTextFile(rectFile, std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
                              std::to_string(rect.right - rect.left) + " " +
                              std::to_string(rect.bottom - rect.top) + "\n");
  bool done = WaitUntil([&] { return FileExists(doneFile); }, 120000);
  if (shown != window) {
    PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
    WaitUntil([&] { return !IsWindow(shown); });
  }
  PostCommand(window, 2);
  DWORD exitCode = 1;
  program.WaitForExit(exitCode);
  return done ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 6 && std::string(argv[1]) == "--hold") {
    DriverPaths paths = {argv[2], "", argv[3], MakeWorkFolder()};
    return HoldForScreenshot(paths, argv[4], argv[5], argc > 6 ? argv[6] : "main");
  }
  if (argc < 4) {
    std::fprintf(stderr, "usage: GuiDriver PlanTransit.exe FileDialogHarness.exe GuiProbe.dll [name-part]\n");
    return 2;
  }
  DriverPaths paths = {argv[1], argv[2], argv[3], MakeWorkFolder()};
  return RunCases(paths, argc > 4 ? argv[4] : "");
}
