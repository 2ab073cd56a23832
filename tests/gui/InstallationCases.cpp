// The program as a user's installation holds it: started with no airport file
// configured, it builds a sample with the data file shipped beside it. The
// release tests run this case against the installed PlanTransit.exe too.
#include <sstream>

#include "MainWindowRun.h"
#include "ProgramDialogs.h"

namespace {

// The name field of `ident`'s line in the data file `path`; "" when it has none.
std::string NameInDataFile(const std::string& path, const std::string& ident) {
  std::istringstream lines(ReadFileBytes(path));
  for (std::string line; std::getline(lines, line);) {
    if (line.compare(0, ident.size() + 1, ident + " ") != 0) continue;
    std::istringstream fields(line);
    std::string skipped, name;
    fields >> skipped >> name;
    return name;
  }
  return "";
}

void BuildsASampleWithTheDataBesideTheProgram(const DriverPaths& paths, CaseReport& report) {
  const std::string data = paths.program.substr(0, paths.program.find_last_of('\\') + 1) + "Fsb_apts.txt";
  const std::string source = paths.work + "\\zurich-geneva.txt";
  WriteTextFile(source, ReadFileBytes(SourcePath("samples/zurich-geneva.txt")));
  // No airport file is configured: the program takes its default, "Fsb_apts.txt".
  const std::string config = "[SrceFile]\r\nPathname=" + source + "\r\nFilename=zurich-geneva.txt\r\n";
  MainWindowRun run(paths, "data-beside-program", config.c_str(), report);
  if (run.Window() == nullptr) return;

  PostCommand(run.Window(), kBuildCommand);
  HWND box = nullptr;
  WaitUntil([&] {
    box = FindTopLevel(run.Program().ProcessId(), "#32770", kMessageBoxTitle);
    return box != nullptr || !TextOf(run.Item(kRouteEdit)).empty();
  });
  if (box != nullptr) {
    report.Fail("building the sample showed \"" + Visible(TextOf(GetDlgItem(box, kMessageText))) + "\"");
    run.Closed();  // the program is ended when the case ends
    return;
  }
  run.Program().Sync(report);
  report.ExpectText("LSZH-TRA-LSGG", TextOf(run.Item(kRouteEdit)), "route text");
  const std::string departure = NameInDataFile(data, "LSZH");
  const std::string destination = NameInDataFile(data, "LSGG");
  report.Expect(!departure.empty() && !destination.empty(), "no LSZH or LSGG in " + data);
  report.ExpectText(departure, TextOf(run.Item(kDepartureNameStatic)), "departure name");
  report.ExpectText(destination, TextOf(run.Item(kDestinationNameStatic)), "destination name");
  report.Expect(!ComboEntries(run.Item(kDepartureRunwayList)).empty(), "no departure runways");
  report.Expect(!ComboEntries(run.Item(kLandingRunwayList)).empty(), "no landing runways");

  // The built plan is unsaved: closing asks, and No ends the program.
  PostCommand(run.Window(), kCancelButton);
  HWND question = WaitForDialog(run.Program(), kMessageBoxTitle, report);
  if (question != nullptr) {
    PostMessageA(question, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(question, IDNO)));
  }
  DWORD exitCode = 1;
  if (report.Expect(run.Program().WaitForExit(exitCode), "No did not end the program")) {
    report.ExpectNumber(0, exitCode, "exit code after No");
  }
  run.Closed();
}

}  // namespace

std::vector<GuiCase> InstallationCases() {
  return {{"BuildsASampleWithTheDataBesideTheProgram", BuildsASampleWithTheDataBesideTheProgram}};
}
