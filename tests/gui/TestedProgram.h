// One run of a program under test: started with its own configuration file,
// found by its window class, asked through the probe, closed or killed at the end.
#pragma once

#include "shell/Win32.h"

#include <cstdint>
#include <string>

#include "Expect.h"
#include "Probe.h"

// Where the driver finds what it runs, and its scratch folder.
struct DriverPaths {
  std::string program;   // PlanTransit.exe
  std::string harness;   // the file-dialog harness
  std::string probe;     // the probe DLL
  std::string work;      // a fresh folder for configuration and plan files
};

class TestedProgram {
 public:
  explicit TestedProgram(const DriverPaths& paths) : paths_(paths) {}
  ~TestedProgram();
  TestedProgram(const TestedProgram&) = delete;
  TestedProgram& operator=(const TestedProgram&) = delete;

  // Starts `commandLine` with PLANTRANSIT_CONFIG set to `configPath`.
  bool Start(const std::string& commandLine, const std::string& configPath, CaseReport& report);

  // Waits for the program's visible window of `className`, hooks the probe into
  // its thread and waits until the window has handled everything queued so far.
  // Null, with the windows seen in the report, when it does not come.
  HWND WaitForWindow(const char* className, CaseReport& report);

  // Waits until every message posted to the window so far, and whatever those
  // posted in turn, has been handled.
  bool Sync(CaseReport& report);
  // GetMenuState of the window's menu bar item, as the program sees it.
  UINT MenuState(int commandId, CaseReport& report);
  // The control id of the focused control, 0 when none of the window has focus.
  int FocusedControl(CaseReport& report);
  // Which standard icon a message box of the program shows.
  int MessageBoxIcon(HWND box, CaseReport& report);
  // The tooltip text the window gives a control, or a toolbar command; "<none>".
  std::string TooltipText(int controlId, CaseReport& report);
  std::string ToolbarTooltipText(int commandId, CaseReport& report);
  // The command id of the system menu's n-th item from its end, 0 for a separator.
  int SystemMenuItemFromEnd(int n, CaseReport& report);
  // The n-th latest command posted to the main window (1 the latest), 0 for none.
  int PostedCommand(int n, CaseReport& report);
  // Drops the file `path` (a path of the program's view) on control `controlId`,
  // 0 for the window itself, as the shell would.
  bool DropFile(int controlId, const std::string& path, CaseReport& report);

  // Waits for the program to end; false (and the program killed) when it does not.
  bool WaitForExit(DWORD& exitCode);
  bool HasExited() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }
  DWORD ProcessId() const { return process_.dwProcessId; }

 private:
  bool Ask(ProbeQuery query, std::uint32_t argument, LPARAM& answer, CaseReport& report);
  void Kill();

  const DriverPaths& paths_;
  PROCESS_INFORMATION process_{};
  bool running_ = false;
  HWND window_ = nullptr;
  HHOOK hook_ = nullptr;
  HWND replyWindow_ = nullptr;
  std::uint16_t serial_ = 0;
};
