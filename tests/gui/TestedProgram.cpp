// Starting, probing and ending a program under test.
#include "TestedProgram.h"

#include "WindowQueries.h"

namespace {

UINT RegisteredMessage(const char* name) { return RegisterWindowMessageA(name); }

HOOKPROC ProbeHookIn(const std::string& probePath, HMODULE& module) {
  module = LoadLibraryA(probePath.c_str());
  if (module == nullptr) return nullptr;
  return reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module, kProbeHookName)));
}

}  // namespace

TestedProgram::~TestedProgram() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  if (replyWindow_ != nullptr) DestroyWindow(replyWindow_);
  if (running_) Kill();
  if (process_.hProcess != nullptr) CloseHandle(process_.hProcess);
  if (process_.hThread != nullptr) CloseHandle(process_.hThread);
}

bool TestedProgram::Start(const std::string& commandLine, const std::string& configPath, CaseReport& report) {
  SetEnvironmentVariableA("PLANTRANSIT_CONFIG", configPath.c_str());
  std::string line = commandLine;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, paths_.work.c_str(), &startup,
                      &process_)) {
    report.Fail("cannot start " + commandLine + " (error " + std::to_string(GetLastError()) + ")");
    return false;
  }
  running_ = true;
  return true;
}

HWND TestedProgram::WaitForWindow(const char* className, CaseReport& report) {
  HWND window = nullptr;
  if (!WaitUntil([&] { return (window = FindTopLevel(ProcessId(), className, nullptr)) != nullptr; })) {
    report.Fail(std::string("no window of class ") + className + " appeared; saw " +
                DescribeTopLevels(ProcessId()));
    return nullptr;
  }
  window_ = window;
  HMODULE probe = nullptr;
  HOOKPROC hook = ProbeHookIn(paths_.probe, probe);
  DWORD thread = GetWindowThreadProcessId(window, nullptr);
  hook_ = hook != nullptr ? SetWindowsHookExA(WH_GETMESSAGE, hook, probe, thread) : nullptr;
  if (hook_ == nullptr) {
    report.Fail("cannot hook the probe " + paths_.probe + " into the program");
    return nullptr;
  }
  replyWindow_ = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (!Sync(report)) return nullptr;
  return window;
}

bool TestedProgram::Ask(ProbeQuery query, std::uint32_t argument, LPARAM& answer, CaseReport& report) {
  static const UINT queryMessage = RegisteredMessage(kProbeQueryMessage);
  static const UINT replyMessage = RegisteredMessage(kProbeReplyMessage);
  std::uint16_t serial = ++serial_;
  PostMessageA(window_, queryMessage, static_cast<WPARAM>(ProbeQueryWord(query, argument, serial)),
               reinterpret_cast<LPARAM>(replyWindow_));
  bool answered = WaitUntil([&] {
    MSG reply;
    while (PeekMessageA(&reply, replyWindow_, replyMessage, replyMessage, PM_REMOVE)) {
      if (reply.wParam == serial) {
        answer = reply.lParam;
        return true;
      }
    }
    return false;
  });
  if (!answered) report.Fail("the program did not answer probe query " + std::to_string(query));
  return answered;
}

bool TestedProgram::Sync(CaseReport& report) {
  LPARAM answer = 0;
  return Ask(kProbeSync, 2, answer, report);
}

UINT TestedProgram::MenuState(int commandId, CaseReport& report) {
  LPARAM answer = -1;
  Ask(kProbeMenuState, static_cast<std::uint32_t>(commandId), answer, report);
  return static_cast<UINT>(answer);
}

int TestedProgram::FocusedControl(CaseReport& report) {
  LPARAM answer = 0;
  Ask(kProbeFocusedControl, 0, answer, report);
  return static_cast<int>(answer);
}

int TestedProgram::MessageBoxIcon(HWND box, CaseReport& report) {
  LPARAM answer = kIconNone;
  Ask(kProbeMessageBoxIcon, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(box)), answer, report);
  return static_cast<int>(answer);
}

std::string TestedProgram::TooltipText(int controlId, CaseReport& report) {
  LPARAM answer = 0;
  SetTextOf(replyWindow_, "");
  if (!Ask(kProbeTooltipText, static_cast<std::uint32_t>(controlId), answer, report)) return "";
  return TextOf(replyWindow_);
}

std::string TestedProgram::ToolbarTooltipText(int commandId, CaseReport& report) {
  LPARAM answer = 0;
  SetTextOf(replyWindow_, "");
  if (!Ask(kProbeTooltipText, static_cast<std::uint32_t>(commandId) | kToolbarCommandFlag, answer, report)) return "";
  return TextOf(replyWindow_);
}

int TestedProgram::SystemMenuItemFromEnd(int n, CaseReport& report) {
  LPARAM answer = -1;
  Ask(kProbeSystemMenuItem, static_cast<std::uint32_t>(n), answer, report);
  return static_cast<int>(answer);
}

int TestedProgram::PostedCommand(int n, CaseReport& report) {
  LPARAM answer = 0;
  Ask(kProbePostedCommand, static_cast<std::uint32_t>(n), answer, report);
  return static_cast<int>(answer);
}

bool TestedProgram::DropFile(int controlId, const std::string& path, CaseReport& report) {
  LPARAM answer = 0;
  SetTextOf(replyWindow_, path);
  return Ask(kProbeDropFile, static_cast<std::uint32_t>(controlId), answer, report) && answer == 1;
}

bool TestedProgram::WaitForExit(DWORD& exitCode) {
  if (!running_) return true;
  if (WaitForSingleObject(process_.hProcess, kDeadlineMs) != WAIT_OBJECT_0) {
    Kill();
    return false;
  }
  running_ = false;
  GetExitCodeProcess(process_.hProcess, &exitCode);
  return true;
}

void TestedProgram::Kill() {
  TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, kDeadlineMs);
  running_ = false;
}
