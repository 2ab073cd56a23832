// PlanTransit's main window under test: started on a configuration of the case's
// own, found and initialised, closed with "&Cancel" at the end; and the questions
// the cases ask of it.
#pragma once

#include "shell/Win32.h"

#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "GuiCases.h"
#include "WindowQueries.h"
#include "host/ControlIds.h"

// PlanTransit started on the configuration `config` (no file when null), its
// window found and initialised; closes it with "&Cancel" at the end.
class MainWindowRun {
 public:
  MainWindowRun(const DriverPaths& paths, const char* caseName, const char* config, CaseReport& report);
  ~MainWindowRun();
  MainWindowRun(const MainWindowRun&) = delete;
  MainWindowRun& operator=(const MainWindowRun&) = delete;

  HWND Window() const { return window_; }
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  HWND Toolbar() const { return FindChild(window_, TOOLBARCLASSNAMEA, kToolbar); }
  HWND StatusBar() const { return FindChild(window_, STATUSCLASSNAMEA, kStatusBar); }
  TestedProgram& Program() { return program_; }
  const std::string& ConfigPath() const { return configPath_; }

  // The case has ended the program itself: nothing is left to close at the end.
  void Closed() { window_ = nullptr; }

  // Runs a command of the menu and waits until the window has handled it.
  void Choose(int commandId);

  bool IsMenuChecked(int commandId) { return (program_.MenuState(commandId, report_) & MF_CHECKED) != 0; }
  bool IsMenuGreyed(int commandId) { return (program_.MenuState(commandId, report_) & MF_GRAYED) != 0; }

 private:
  TestedProgram program_;
  CaseReport& report_;
  std::string configPath_;
  HWND window_ = nullptr;
};

// The bottom edge of the window's client area, in screen coordinates.
long ClientBottomOnScreen(HWND window);
bool IsChecked(HWND button);
bool IsToolbarButtonEnabled(HWND toolbar, int commandId);
// Expects exactly the radio buttons `checked` of the two groups to be checked.
void ExpectRadios(CaseReport& report, HWND window, std::initializer_list<int> checked);
// The children that did not move by `expectedShift` pixels down, described.
std::string DescribeMoves(const std::vector<ChildPlace>& before, const std::vector<ChildPlace>& after,
                          int expectedShift);
// The places of the children, `left` (a bar) left out.
std::vector<ChildPlace> ControlPlaces(HWND window, HWND left);
