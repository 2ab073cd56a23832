// The questions the main-window cases ask of the window.
#include "MainWindowRun.h"

#include <algorithm>

MainWindowRun::MainWindowRun(const DriverPaths& paths, const char* caseName, const char* config,
                             CaseReport& report)
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

MainWindowRun::~MainWindowRun() {
  if (window_ == nullptr) return;
  PostCommand(window_, kCancelButton);
  DWORD exitCode = 1;
  if (!report_.Expect(program_.WaitForExit(exitCode), "\"&Cancel\" did not end the program")) return;
  report_.ExpectNumber(0, exitCode, "exit code after \"&Cancel\"");
}

void MainWindowRun::Choose(int commandId) {
  PostCommand(window_, commandId);
  program_.Sync(report_);
}

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

std::vector<ChildPlace> ControlPlaces(HWND window, HWND left) {
  std::vector<ChildPlace> places;
  for (const ChildPlace& place : ChildPlaces(window)) {
    if (place.window != left) places.push_back(place);
  }
  return places;
}
