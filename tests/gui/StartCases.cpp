// The main window as it starts: the first start without a configuration file,
// the template's controls, and what the configuration presets.
#include "MainWindowRun.h"

namespace {

constexpr const char* kDefaultFileText = "Please select a valid path and filename";

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

}  // namespace

std::vector<GuiCase> StartCases() {
  return {
      {"FirstStartShowsTheDefaults", FirstStartShowsTheDefaults},
      {"TemplateHoldsEveryControlOfTheTable", TemplateHoldsEveryControlOfTheTable},
      {"SettingsFillTheWindowAndPresetTheRadioGroups", SettingsFillTheWindowAndPresetTheRadioGroups},
      {"MenuOptionAddsTheMenuBarHeight", MenuOptionAddsTheMenuBarHeight},
  };
}
