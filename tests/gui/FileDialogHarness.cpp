// Runs one of the shell's file dialogs (OpenSourceDialog or SaveAsDialog, over the
// Win32 ports, with a window of its own as the main window) and writes what it
// answered, so the GUI cases can work the real dialogs without a built route.
//
//   FileDialogHarness open|save EXPORT-TYPE FOLDER RESULT-FILE
//
// FOLDER is both default folders; the destination starts as FOLDER\plan.pln.
// RESULT-FILE gets the lines result=, path=, name=, exportType= and title=.
#include "shell/Win32.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "HarnessShell.h"
#include "commands/SaveCommands.h"
#include "commands/SourceCommands.h"

namespace {

constexpr const char* kClassName = "PlanTransitDialogHarness";

bool WriteResult(const char* resultPath, int result, const Session& session, const char* path, const char* name,
                 HWND window) {
  std::FILE* file = std::fopen(resultPath, "wb");
  if (file == nullptr) return false;
  char title[kPathSize];
  GetWindowTextA(window, title, sizeof title);
  std::fprintf(file, "result=%d\npath=%s\nname=%s\nexportType=%d\ntitle=%s\n", result, path, name,
               session.settings.exportType, title);
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: FileDialogHarness open|save EXPORT-TYPE FOLDER RESULT-FILE\n");
    return 2;
  }
  static HarnessShell harness;
  Session& session = harness.session;
  session.settings.exportType = std::atoi(argv[2]);
  std::snprintf(session.settings.defaultSourceDir, kPathSize, "%s", argv[3]);
  std::snprintf(session.settings.defaultDestDir, kPathSize, "%s", argv[3]);
  char path[kPathSize];
  char name[kPathSize];
  std::snprintf(path, sizeof path, "%s\\plan.pln", argv[3]);
  std::snprintf(name, sizeof name, "plan.pln");

  HWND window = harness.CreateMainWindow(kClassName, "PlanTransit");
  int result = std::strcmp(argv[1], "open") == 0 ? OpenSourceDialog(session, path, name)
                                                    : SaveAsDialog(session, path, name);
  return WriteResult(argv[4], result, session, path, name, window) ? 0 : 1;
}
