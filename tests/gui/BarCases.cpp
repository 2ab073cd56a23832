// The toolbar, the status bar and the tooltips: the View toggles resize the
// fixed-size window by each bar's height, and the tips name the controls.
#include "MainWindowRun.h"

namespace {

void ToolbarOffAndOnReturnsEverything(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "toolbar-toggle", nullptr, report);
  HWND window = run.Window();
  HWND toolbar = window != nullptr ? run.Toolbar() : nullptr;
  if (!report.Expect(toolbar != nullptr, "no toolbar to toggle")) return;
  RECT frame = WindowRectOf(window);
  RECT toolbarFrame = WindowRectOf(toolbar);
  int height = toolbarFrame.bottom - toolbarFrame.top;
  std::vector<ChildPlace> controls = ControlPlaces(window, toolbar);

  run.Choose(kToolbarCommand);
  report.Expect(!IsWindowVisible(toolbar), "the toolbar is still visible after \"Toolbar\"");
  report.Expect(!run.IsMenuChecked(kToolbarCommand), "\"Toolbar\" is still checked");
  RECT shorter = WindowRectOf(window);
  report.ExpectText(Describe({frame.left, frame.top, frame.right, frame.bottom - height}), Describe(shorter),
                    "window without the toolbar (" + std::to_string(height) + " pixels high)");
  std::string moves = DescribeMoves(controls, ControlPlaces(window, toolbar), -height);
  report.Expect(moves.empty(), "controls not moved up by the toolbar's height:" + moves);

  run.Choose(kToolbarCommand);
  report.Expect(IsWindowVisible(toolbar) != FALSE, "the toolbar is hidden after \"Toolbar\" again");
  report.Expect(run.IsMenuChecked(kToolbarCommand), "\"Toolbar\" is not checked again");
  report.ExpectText(Describe(frame), Describe(WindowRectOf(window)), "window with the toolbar again");
  report.ExpectText(Describe(toolbarFrame), Describe(WindowRectOf(toolbar)), "the toolbar's own place");
  moves = DescribeMoves(controls, ControlPlaces(window, toolbar), 0);
  report.Expect(moves.empty(), "controls not back in their places:" + moves);
  report.Expect(!IsToolbarButtonEnabled(toolbar, kDetailsButton), "toolbar Details is enabled after the toggles");
}

void StatusBarToggleChangesTheHeightByTheBar(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "statusbar-toggle", nullptr, report);
  HWND window = run.Window();
  HWND statusBar = window != nullptr ? run.StatusBar() : nullptr;
  if (!report.Expect(statusBar != nullptr, "no status bar to toggle")) return;
  RECT frame = WindowRectOf(window);
  int height = HeightOf(statusBar);
  std::vector<ChildPlace> controls = ControlPlaces(window, statusBar);

  run.Choose(kStatusbarCommand);
  report.Expect(!IsWindowVisible(statusBar), "the status bar is still visible after \"Statusbar\"");
  report.Expect(!run.IsMenuChecked(kStatusbarCommand), "\"Statusbar\" is still checked");
  report.ExpectText(Describe({frame.left, frame.top, frame.right, frame.bottom - height}),
                    Describe(WindowRectOf(window)),
                    "window without the status bar (" + std::to_string(height) + " pixels high)");
  std::string moves = DescribeMoves(controls, ControlPlaces(window, statusBar), 0);
  report.Expect(moves.empty(), "controls moved by the status bar:" + moves);

  run.Choose(kStatusbarCommand);
  report.Expect(IsWindowVisible(statusBar) != FALSE, "the status bar is hidden after \"Statusbar\" again");
  report.Expect(run.IsMenuChecked(kStatusbarCommand), "\"Statusbar\" is not checked again");
  report.ExpectText(Describe(frame), Describe(WindowRectOf(window)), "window with the status bar again");
  report.ExpectNumber(ClientBottomOnScreen(window), WindowRectOf(statusBar).bottom,
                      "status bar bottom after showing it again (screen)");
}

void BarsOffAtStartAreCreatedByTheToggles(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "bars-off", "[Startup]\r\nToolbar=0\r\nStatusbar=0\r\n", report);
  HWND window = run.Window();
  if (window == nullptr) return;
  report.Expect(run.Toolbar() == nullptr, "a toolbar with Toolbar=0");
  report.Expect(run.StatusBar() == nullptr, "a status bar with Statusbar=0");
  report.Expect(!run.IsMenuChecked(kStatusbarCommand), "\"Statusbar\" is checked with Statusbar=0");
  report.Expect(!run.IsMenuChecked(kToolbarCommand), "\"Toolbar\" is checked with Toolbar=0");

  RECT frame = WindowRectOf(window);
  run.Choose(kStatusbarCommand);
  HWND statusBar = run.StatusBar();
  if (report.Expect(statusBar != nullptr && IsWindowVisible(statusBar), "\"Statusbar\" made no status bar")) {
    report.ExpectText(Describe({frame.left, frame.top, frame.right, frame.bottom + HeightOf(statusBar)}),
                      Describe(WindowRectOf(window)), "window with the new status bar");
    report.ExpectNumber(ClientBottomOnScreen(window), WindowRectOf(statusBar).bottom, "status bar bottom (screen)");
    report.Expect(run.IsMenuChecked(kStatusbarCommand), "\"Statusbar\" is not checked");
  }

  frame = WindowRectOf(window);
  std::vector<ChildPlace> controls = ChildPlaces(window);
  run.Choose(kToolbarCommand);
  HWND toolbar = run.Toolbar();
  if (report.Expect(toolbar != nullptr && IsWindowVisible(toolbar), "\"Toolbar\" made no toolbar")) {
    int height = HeightOf(toolbar);
    report.ExpectText(Describe({frame.left, frame.top, frame.right, frame.bottom + height}),
                      Describe(WindowRectOf(window)), "window with the new toolbar");
    std::string moves = DescribeMoves(controls, ControlPlaces(window, toolbar), height);
    report.Expect(moves.empty(), "controls not moved down by the toolbar's height:" + moves);
    report.Expect(run.IsMenuChecked(kToolbarCommand), "\"Toolbar\" is not checked");
    // Nothing is built, so the new toolbar's Details and Print wait like the button.
    report.Expect(!IsToolbarButtonEnabled(toolbar, kDetailsButton), "the new toolbar's Details is enabled");
    report.Expect(!IsToolbarButtonEnabled(toolbar, kPrintCommand), "the new toolbar's Print is enabled");
  }
}

void TooltipsNameTheControlsAndToolbarCommands(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "tooltips", nullptr, report);
  if (run.Window() == nullptr) return;
  TestedProgram& program = run.Program();
  report.ExpectText("Save Flightplan", program.TooltipText(kSaveButton, report), "tip of 1030");
  report.ExpectText("Name of the FliteStar Flightplan", program.TooltipText(kSourceEdit, report), "tip of 1010");
  report.ExpectText("Select Landing Runway", program.TooltipText(kLandingRunwayList, report), "tip of 1022");
  report.ExpectText("<none>", program.TooltipText(kVfrRadio, report), "tip of radio 1002");
  report.ExpectText("Open FliteStar Flightplan", program.ToolbarTooltipText(kOpenCommand, report),
                    "tip of toolbar Open");
  report.ExpectText("Print Route Details", program.ToolbarTooltipText(kPrintCommand, report),
                    "tip of toolbar Print");
  report.ExpectText("<none>", program.ToolbarTooltipText(kAboutCommand, report), "tip of command 40003");
}

}  // namespace

std::vector<GuiCase> BarCases() {
  return {
      {"ToolbarOffAndOnReturnsEverything", ToolbarOffAndOnReturnsEverything},
      {"StatusBarToggleChangesTheHeightByTheBar", StatusBarToggleChangesTheHeightByTheBar},
      {"BarsOffAtStartAreCreatedByTheToggles", BarsOffAtStartAreCreatedByTheToggles},
      {"TooltipsNameTheControlsAndToolbarCommands", TooltipsNameTheControlsAndToolbarCommands},
  };
}
