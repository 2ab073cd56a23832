// The main window as a person meets it: the first start, the View toggles, and
// the keyboard without dialog navigation.
#include "shell/Win32.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "GuiCases.h"
#include "WindowQueries.h"
#include "host/ControlIds.h"

namespace {

constexpr const char* kDefaultFileText = "Please select a valid path and filename";

// PlanTransit started on the configuration `config` (no file when null), its
// window found and initialised; closes it with "&Cancel" at the end.
class MainWindowRun {
 public:
  MainWindowRun(const DriverPaths& paths, const char* caseName, const char* config, CaseReport& report)
      : program_(paths), report_(report), configPath_(paths.work + "\\" + caseName + ".cfg") {
    DeleteFileA(configPath_.c_str());
    if (config != nullptr && !WriteTextFile(configPath_, config)) {
      report.Fail("cannot write " + configPath_);
      return;
    }
    if (program_.Start(Quoted(paths.program), configPath_, report)) {
      window_ = program_.WaitForWindow("PlanTransit", report);
    }
  }

  ~MainWindowRun() {
    if (window_ == nullptr) return;
    PostCommand(window_, kCancelButton);
    DWORD exitCode = 1;
    if (!report_.Expect(program_.WaitForExit(exitCode), "\"&Cancel\" did not end the program")) return;
    report_.ExpectNumber(0, exitCode, "exit code after \"&Cancel\"");
  }

  HWND Window() const { return window_; }
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  HWND Toolbar() const { return FindChild(window_, TOOLBARCLASSNAMEA, kToolbar); }
  HWND StatusBar() const { return FindChild(window_, STATUSCLASSNAMEA, kStatusBar); }
  TestedProgram& Program() { return program_; }
  const std::string& ConfigPath() const { return configPath_; }

  // Runs a command of the menu and waits until the window has handled it.
  void Choose(int commandId) {
    PostCommand(window_, commandId);
    program_.Sync(report_);
  }

  bool IsMenuChecked(int commandId) { return (program_.MenuState(commandId, report_) & MF_CHECKED) != 0; }
  bool IsMenuGreyed(int commandId) { return (program_.MenuState(commandId, report_) & MF_GRAYED) != 0; }

 private:
  TestedProgram program_;
  CaseReport& report_;
  std::string configPath_;
  HWND window_ = nullptr;
};

// The bottom edge of the window's client area, in screen coordinates.
long ClientBottomOnScreen(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  POINT corner = {client.right, client.bottom};
  ClientToScreen(window, &corner);
  return corner.y;
}

bool IsChecked(HWND button) {
  DWORD_PTR state = 0;
  SendMessageTimeoutA(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
  return state == BST_CHECKED;
}

bool IsToolbarButtonEnabled(HWND toolbar, int commandId) {
  DWORD_PTR enabled = 0;
  SendMessageTimeoutA(toolbar, TB_ISBUTTONENABLED, commandId, 0, SMTO_ABORTIFHUNG, 5000, &enabled);
  return enabled != 0;
}

void ExpectRadios(CaseReport& report, HWND window, std::initializer_list<int> checked) {
  for (int id : {kVfrRadio, kIfrRadio, kVorToVorRadio, kLowAirwaysRadio, kHighAirwaysRadio, kDirectGpsRadio}) {
    bool expected = std::find(checked.begin(), checked.end(), id) != checked.end();
    report.Expect(IsChecked(GetDlgItem(window, id)) == expected,
                  "radio " + std::to_string(id) + (expected ? " is not checked" : " is checked"));
  }
}

void FirstStartShowsTheDefaults(const DriverPaths& paths, CaseReport& report) {
  MainWindowRun run(paths, "first-start", nullptr, report);
  HWND window = run.Window();
  if (window == nullptr) return;

  report.ExpectText(std::string("PlanTransit - ") + kDefaultFileText, TextOf(window), "title");
  report.ExpectText(kDefaultFileText, TextOf(run.Item(kSourceEdit)), "edit 1010");
  report.ExpectText(kDefaultFileText, TextOf(run.Item(kDestinationEdit)), "edit 1013");
  for (int id : {kDepartureIdentStatic, kDestinationIdentStatic, kDepartureNameStatic, kDestinationNameStatic,
                 kCruiseAltitudeStatic}) {
    report.ExpectText("N/A", TextOf(run.Item(id)), "static " + std::to_string(id));
  }
  ExpectRadios(report, window, {kVfrRadio, kVorToVorRadio});

  report.Expect(!IsWindowEnabled(run.Item(kDetailsButton)), "\"&Details\" is enabled");
  for (int id : {kSaveButton, kCancelButton, kBuildButton, kHelpButton, kOpenButton, kSaveAsButton}) {
    report.Expect(IsWindowEnabled(run.Item(id)) != FALSE, "button " + std::to_string(id) + " is disabled");
  }
  report.Expect(GetMenu(window) != nullptr, "no menu bar");
  for (int id = kExitCommand; id <= kToolbarCommand; ++id) {
    bool listed = id != 40011 && id != 40012;
    report.Expect((run.Program().MenuState(id, report) != 0xFFFFFFFFu) == listed,
                  "menu item " + std::to_string(id) + (listed ? " is missing" : " exists"));
  }
  std::string systemMenuEnd;
  for (int n = 4; n >= 1; --n) {
    systemMenuEnd.append(" ").append(std::to_string(run.Program().SystemMenuItemFromEnd(n, report)));
  }
  report.ExpectText(" 0 40009 9 40003", systemMenuEnd, "last four items of the system menu");
  report.Expect(run.IsMenuGreyed(kPrintCommand), "\"&Print...\" is not greyed");
  report.Expect(!run.IsMenuGreyed(kOpenCommand), "\"&Open...\" is greyed");
  report.Expect(run.IsMenuChecked(kStatusbarCommand), "\"Statusbar\" is not checked");
  report.Expect(run.IsMenuChecked(kToolbarCommand), "\"Toolbar\" is not checked");

  HWND toolbar = run.Toolbar();
  if (report.Expect(toolbar != nullptr && IsWindowVisible(toolbar), "no visible toolbar")) {
    DWORD_PTR buttons = 0;
    SendMessageTimeoutA(toolbar, TB_BUTTONCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &buttons);
    report.ExpectNumber(7, static_cast<long long>(buttons), "toolbar buttons");
    report.Expect(!IsToolbarButtonEnabled(toolbar, kDetailsButton), "toolbar Details is enabled");
    report.Expect(!IsToolbarButtonEnabled(toolbar, kPrintCommand), "toolbar Print is enabled");
    for (int id : {kOpenCommand, kSaveCommand, kBuildCommand, kHelpTopicsCommand}) {
      report.Expect(IsToolbarButtonEnabled(toolbar, id), "toolbar button " + std::to_string(id) + " is disabled");
    }
    LONG toolbarBottom = WindowRectOf(toolbar).bottom;
    for (const ChildPlace& place : ChildPlaces(window)) {
      if (place.window == toolbar) continue;
      report.Expect(place.rect.top >= toolbarBottom, "control " + std::to_string(place.controlId) + " at " +
                                                         Describe(place.rect) + " is under the toolbar");
    }
  }
  HWND statusBar = run.StatusBar();
  if (report.Expect(statusBar != nullptr && IsWindowVisible(statusBar), "no visible status bar")) {
    report.ExpectNumber(ClientBottomOnScreen(window), WindowRectOf(statusBar).bottom,
                        "status bar bottom (screen)");
  }
  report.Expect(!FileExists(run.ConfigPath()), "starting wrote the configuration file");
}

// Every child's place, keyed by its window, for comparing before and after.
std::string DescribeMoves(const std::vector<ChildPlace>& before, const std::vector<ChildPlace>& after,
                          int expectedShift) {
  std::string moves;
  for (const ChildPlace& old : before) {
    for (const ChildPlace& now : after) {
      if (now.window != old.window) continue;
      bool shifted = now.rect.left == old.rect.left && now.rect.right == old.rect.right &&
                     now.rect.top == old.rect.top + expectedShift &&
                     now.rect.bottom == old.rect.bottom + expectedShift;
      if (!shifted) {
        moves += " [" + now.className + " " + std::to_string(now.controlId) + " " + Describe(old.rect) + " -> " +
                 Describe(now.rect) + "]";
      }
    }
  }
  return moves;
}

// The places of the children, the toolbar left out.
std::vector<ChildPlace> ControlPlaces(HWND window, HWND toolbar) {
  std::vector<ChildPlace> places;
  for (const ChildPlace& place : ChildPlaces(window)) {
    if (place.window != toolbar) places.push_back(place);
  }
  return places;
}

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

void SettingsFillTheWindowAndPresetTheRadioGroups(const DriverPaths& paths, CaseReport& report) {
  struct Preset {
    const char* config;
    std::initializer_list<int> checked;
  };
  const Preset presets[] = {
      {"[DefFlightType]\r\nFlighttype=1\r\n[DefRouteType]\r\nRoutetype=0\r\n", {kIfrRadio, kDirectGpsRadio}},
      {"[DefFlightType]\r\nFlighttype=0\r\n[DefRouteType]\r\nRoutetype=2\r\n", {kVfrRadio, kLowAirwaysRadio}},
      {"[DefFlightType]\r\nFlighttype=0\r\n[DefRouteType]\r\nRoutetype=3\r\n", {kVfrRadio, kHighAirwaysRadio}},
      {"[DefFlightType]\r\nFlighttype=2\r\n[DefRouteType]\r\nRoutetype=7\r\n", {}},
      {"[DefFlightType]\r\nFlighttype=-1\r\n[DefRouteType]\r\nRoutetype=4\r\n", {}},
  };
  for (const Preset& preset : presets) {
    CaseReport step;
    std::string config = std::string(preset.config) +
                         "[SrceFile]\r\nPathname=C:\\Plans\\lszh-lsgg.txt\r\nFilename=lszh-lsgg.txt\r\n"
                         "[DestFile]\r\nPathname=C:\\Out\\LSZH-LSGG.pln\r\nFilename=LSZH-LSGG.pln\r\n";
    {
      MainWindowRun run(paths, "presets", config.c_str(), step);
      if (run.Window() != nullptr) {
        ExpectRadios(step, run.Window(), preset.checked);
        step.ExpectText("PlanTransit - lszh-lsgg.txt", TextOf(run.Window()), "title");
        step.ExpectText("C:\\Plans\\lszh-lsgg.txt", TextOf(run.Item(kSourceEdit)), "edit 1010");
        step.ExpectText("C:\\Out\\LSZH-LSGG.pln", TextOf(run.Item(kDestinationEdit)), "edit 1013");
      }
    }
    for (const std::string& failure : step.Failures()) report.Fail(Visible(preset.config) + ": " + failure);
  }
}

// The window's height with the given configuration, measured on a fresh start.
int StartedHeight(const DriverPaths& paths, const char* config, bool expectMenuBar, CaseReport& report) {
  MainWindowRun run(paths, "menu-bar", config, report);
  if (run.Window() == nullptr) return 0;
  report.Expect((GetMenu(run.Window()) != nullptr) == expectMenuBar,
                expectMenuBar ? "no menu bar with Menuoption=1" : "a menu bar with Menuoption=0");
  return HeightOf(run.Window());
}

void MenuOptionAddsTheMenuBarHeight(const DriverPaths& paths, CaseReport& report) {
  const char* barsOff = "[Startup]\r\nToolbar=0\r\nStatusbar=0\r\nTooltips=0\r\n";
  int withMenu = StartedHeight(paths, (std::string(barsOff) + "Menuoption=1\r\n").c_str(), true, report);
  int withoutMenu = StartedHeight(paths, (std::string(barsOff) + "Menuoption=0\r\n").c_str(), false, report);
  report.ExpectNumber(GetSystemMetrics(SM_CYMENU), withMenu - withoutMenu,
                      "height with the menu bar less height without it");
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

// Every control of the main window's table with its kind, the styles that make
// it that kind, its first text and whether it starts enabled.
void TemplateHoldsEveryControlOfTheTable(const DriverPaths& paths, CaseReport& report) {
  struct Control {
    int id;
    const char* className;
    LONG style;      // these bits must be set
    LONG styleMask;  // ... compared within this mask
    const char* text;
  };
  const Control controls[] = {
      {kSaveButton, "Button", BS_DEFPUSHBUTTON, BS_TYPEMASK, "&Save"},
      {kCancelButton, "Button", BS_PUSHBUTTON, BS_TYPEMASK, "&Cancel"},
      {kBuildButton, "Button", BS_PUSHBUTTON, BS_TYPEMASK, "&Build"},
      {kDetailsButton, "Button", BS_PUSHBUTTON | WS_DISABLED, BS_TYPEMASK | WS_DISABLED, "&Details"},
      {kHelpButton, "Button", BS_PUSHBUTTON, BS_TYPEMASK, "&Help"},
      {kOpenButton, "Button", BS_PUSHBUTTON, BS_TYPEMASK, "&Open..."},
      {kSaveAsButton, "Button", BS_PUSHBUTTON, BS_TYPEMASK, "&Save as..."},
      {kSourceEdit, "Edit", ES_AUTOHSCROLL, ES_AUTOHSCROLL | ES_MULTILINE, nullptr},
      {kDestinationEdit, "Edit", ES_AUTOHSCROLL, ES_AUTOHSCROLL | ES_MULTILINE, nullptr},
      {kRouteEdit, "Edit", ES_MULTILINE, ES_MULTILINE, ""},
      {kDepartureIdentStatic, "Static", SS_SUNKEN, SS_SUNKEN, "N/A"},
      {kDestinationIdentStatic, "Static", SS_SUNKEN, SS_SUNKEN, "N/A"},
      {kDepartureNameStatic, "Static", SS_SUNKEN, SS_SUNKEN, "N/A"},
      {kDestinationNameStatic, "Static", SS_SUNKEN, SS_SUNKEN, "N/A"},
      {kCruiseAltitudeStatic, "Static", SS_CENTER, SS_TYPEMASK, "N/A"},
      // A combo box hands WS_VSCROLL on to its list and clears it in its own style.
      {kDepartureRunwayList, "ComboBox", CBS_DROPDOWNLIST | CBS_SORT, CBS_DROPDOWNLIST | CBS_SORT, ""},
      {kLandingRunwayList, "ComboBox", CBS_DROPDOWNLIST | CBS_SORT, CBS_DROPDOWNLIST | CBS_SORT, ""},
      {kAnimation, "SysAnimate32", ACS_CENTER | ACS_TRANSPARENT, ACS_CENTER | ACS_TRANSPARENT, nullptr},
      {kVfrRadio, "Button", BS_AUTORADIOBUTTON, BS_TYPEMASK, "VFR"},
      {kIfrRadio, "Button", BS_AUTORADIOBUTTON, BS_TYPEMASK, "IFR"},
      {kVorToVorRadio, "Button", BS_AUTORADIOBUTTON, BS_TYPEMASK, "VOR to VOR (VOR/NDB/Airport)"},
      {kLowAirwaysRadio, "Button", BS_AUTORADIOBUTTON, BS_TYPEMASK, "Low Altitude Airways"},
      {kHighAirwaysRadio, "Button", BS_AUTORADIOBUTTON, BS_TYPEMASK, "High Altitude Airways"},
      {kDirectGpsRadio, "Button", BS_AUTORADIOBUTTON, BS_TYPEMASK, "Direct GPS (GPS/Direct)"},
  };
  MainWindowRun run(paths, "template", nullptr, report);
  HWND window = run.Window();
  if (window == nullptr) return;
  for (const Control& control : controls) {
    std::string name = "control " + std::to_string(control.id);
    HWND item = run.Item(control.id);
    if (!report.Expect(item != nullptr, name + " is missing")) continue;
    report.ExpectText(control.className, ClassOf(item), name + " class");
    LONG style = GetWindowLongA(item, GWL_STYLE);
    report.ExpectNumber(control.style, style & control.styleMask, name + " style bits");
    if (control.text != nullptr) report.ExpectText(control.text, TextOf(item), name + " text");
  }
  std::string labels;
  for (const ChildPlace& place : ChildPlaces(window)) {
    if (place.controlId == -1 || place.controlId == 0xFFFF) labels.append("[").append(TextOf(place.window)).append("]");
  }
  report.ExpectText("[Flightplan-Source:][Flightplan-Destination:][Departure:][ICAO ID:][Runway:][Destination:]"
                    "[ICAO ID:][Runway:][Route:][Cruising Altitude:][Type of Flight][Route Type]",
                    labels, "labels and group boxes");
  LONG style = GetWindowLongA(window, GWL_STYLE);
  LONG required = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME;
  report.ExpectNumber(required, style & (required | WS_THICKFRAME | WS_MAXIMIZEBOX), "main window styles");
  report.Expect((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0, "no WS_EX_CONTEXTHELP");
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

std::vector<GuiCase> MainWindowCases() {
  return {
      {"FirstStartShowsTheDefaults", FirstStartShowsTheDefaults},
      {"TemplateHoldsEveryControlOfTheTable", TemplateHoldsEveryControlOfTheTable},
      {"ToolbarOffAndOnReturnsEverything", ToolbarOffAndOnReturnsEverything},
      {"StatusBarToggleChangesTheHeightByTheBar", StatusBarToggleChangesTheHeightByTheBar},
      {"TabAndEnterReachTheFocusedControl", TabAndEnterReachTheFocusedControl},
      {"TooltipsNameTheControlsAndToolbarCommands", TooltipsNameTheControlsAndToolbarCommands},
      {"CtrlEEndsTheProgramThroughTheAccelerators", CtrlEEndsTheProgramThroughTheAccelerators},
      {"SettingsFillTheWindowAndPresetTheRadioGroups", SettingsFillTheWindowAndPresetTheRadioGroups},
      {"MenuOptionAddsTheMenuBarHeight", MenuOptionAddsTheMenuBarHeight},
      {"BarsOffAtStartAreCreatedByTheToggles", BarsOffAtStartAreCreatedByTheToggles},
  };
}
