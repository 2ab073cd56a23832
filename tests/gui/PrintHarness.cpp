// Prints the Zurich-Geneva route through the shell's PrintRoute, with a window of
// its own as the main window, and answers its own dialogs from a helper thread as
// a person would: OK in the printer dialog and, in "cancel" mode, "Abbrechen" in
// the cancel dialog. Writes the text of every PlanTransit message box it saw.
//
//   PrintHarness ok|cancel RESULT-FILE
#include "shell/Win32.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "HarnessShell.h"
#include "shell/Win32Printer.h"
#include "support/TestRoutes.h"

namespace {

constexpr const char* kClassName = "PlanTransitPrintHarness";
constexpr DWORD kDeadlineMs = 30000;
constexpr int kCopiesEdit = 0x482;

struct Helper {
  bool cancel;
  std::string messages;
};

struct Search {
  const char* title;
  HWND found;
};

BOOL CALLBACK FindOwnDialog(HWND window, LPARAM searchAddress) {
  Search& search = *reinterpret_cast<Search*>(searchAddress);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[16] = "";
  char title[64] = "";
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, title, sizeof title);
  if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::strcmp(className, "#32770") == 0 &&
      std::strcmp(title, search.title) == 0) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForDialog(const char* title, DWORD timeoutMs = kDeadlineMs) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
    Search search = {title, nullptr};
    EnumWindows(FindOwnDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    Sleep(20);
  }
  return nullptr;
}

// Works the dialogs of the main thread, which is inside PrintRoute meanwhile.
DWORD WINAPI AnswerDialogs(void* helperAddress) {
  Helper& helper = *static_cast<Helper*>(helperAddress);
  HWND printerDialog = WaitForDialog("Print");
  if (printerDialog == nullptr) return 1;
  // Many copies keep the job spooling long enough to be cancelled.
  if (helper.cancel) SetDlgItemTextA(printerDialog, kCopiesEdit, "40");
  PostMessageA(printerDialog, WM_COMMAND, IDOK, 0);
  if (helper.cancel) {
    HWND cancelDialog = WaitForDialog("Dialog");
    if (cancelDialog != nullptr) PostMessageA(cancelDialog, WM_COMMAND, IDCANCEL, 0);
  }
  while (HWND box = WaitForDialog("PlanTransit", 5000)) {
    char text[256] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    helper.messages.append("message=").append(text).append("\n");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    while (IsWindow(box)) Sleep(20);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: PrintHarness ok|cancel RESULT-FILE\n");
    return 2;
  }
  static HarnessShell harness;
  MakeZurichGenevaRoute(harness.session.route);
  harness.session.routeBuilt = true;
  HWND window = harness.CreateMainWindow(kClassName, "PlanTransit - zurich-geneva.txt");

  Helper helper = {std::strcmp(argv[1], "cancel") == 0, ""};
  HANDLE thread = CreateThread(nullptr, 0, AnswerDialogs, &helper, 0, nullptr);
  PrintRoute(harness.shell);
  WaitForSingleObject(thread, kDeadlineMs);
  CloseHandle(thread);
  std::FILE* file = std::fopen(argv[2], "wb");
  if (file == nullptr) return 1;
  std::fputs(helper.messages.c_str(), file);
  std::fprintf(file, "enabled=%d\n", IsWindowEnabled(window) ? 1 : 0);
  return std::fclose(file) == 0 ? 0 : 1;
}
