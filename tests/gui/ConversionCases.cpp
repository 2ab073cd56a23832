// A whole conversion from the window, as a person does it: open a FliteStar
// export, see the route built into the controls, pick a runway, save one plan of
// today's formats and one of old, then all ten, then close with the plan unsaved;
// and the same route opened from a plan of another kind.
#include <string>

#include "ListViewQueries.h"
#include "MainWindowRun.h"
#include "ProgramDialogs.h"
#include "support/NoPlanMessage.h"
#include "writers/FormatRegistry.h"

namespace {

constexpr int kRouteDetailsColumns = 6;

constexpr const char* kAirports =
    "LSZH Zurich 1416 47.458056 8.548056 16_12139-34_12139\r\n"
    "LSGG Geneva 1411 46.238098 6.108950 04_12795-22_12795\r\n";

// Everything a conversion needs in the case's folder, and a configuration that
// points at it with all ten bulk switches on.
struct ConversionFolder {
  // `source` (relative to the source tree) is copied into the folder as the plan to open.
  ConversionFolder(const DriverPaths& paths, const char* name, const std::string& source = "samples/zurich-geneva.txt")
      : root(paths.work + "\\" + name), sourceName(source.substr(source.rfind('/') + 1)) {
    CreateDirectoryA(root.c_str(), nullptr);
    for (const char* folder :
         {"msfs", "acs", "rc", "sqb", "sfp", "nav", "msfs2020", "xplane", "garmin", "gpx", "out"}) {
      CreateDirectoryA((root + "\\" + folder).c_str(), nullptr);
    }
    // A work folder of an earlier run (Wine reuses process ids) may hold the plans.
    for (const char* plan : {"zurich-geneva.pln", "zurich-geneva.gpx", "msfs\\zurich-geneva.pln",
                             "acs\\zurich-geneva.prg", "sqb\\zurich-geneva.sbp", "rc\\zurich-geneva.apl",
                             "sfp\\zurich-geneva.pln", "nav\\zurich-geneva.pln", "msfs2020\\zurich-geneva.pln",
                             "xplane\\zurich-geneva.fms", "garmin\\zurich-geneva.fpl", "gpx\\zurich-geneva.gpx"}) {
      DeleteFileA((root + "\\" + plan).c_str());
    }
    WriteTextFile(root + "\\airports.txt", kAirports);
    WriteTextFile(this->source(), ReadFileBytes(SourcePath(source)));
  }

  std::string source() const { return root + "\\" + sourceName; }

  std::string Configuration() const {
    return "[Startup]\r\nAutogen=0\r\nMSFS=1\r\nACS-GPS=1\r\nSQB=1\r\nRC99=1\r\nSFP=1\r\nNAV=1\r\n"
           "MSFS2020=1\r\nXPLANE=1\r\nGARMIN=1\r\nGPX=1\r\n"
           "[AirpFile]\r\nPathname=" + root + "\\airports.txt\r\nFilename=airports.txt\r\n"
           "[DefSrceDir]\r\nPathname=" + root + "\r\n"
           "[DefDestDir]\r\nPathname=" + root + "\\out\r\n"
           "[DefMSFSDir]\r\nPathname=" + root + "\\msfs\r\n"
           "[DefACSGPSDir]\r\nPathname=" + root + "\\acs\r\n"
           "[DefRC99Dir]\r\nPathname=" + root + "\\rc\r\n"
           "[DefSQBDir]\r\nPathname=" + root + "\\sqb\r\n"
           "[DefSFPDir]\r\nPathname=" + root + "\\sfp\r\n"
           "[DefNAVDir]\r\nPathname=" + root + "\\nav\r\n"
           "[DefMSFS2020Dir]\r\nPathname=" + root + "\\msfs2020\r\n"
           "[DefXPLANEDir]\r\nPathname=" + root + "\\xplane\r\n"
           "[DefGARMINDir]\r\nPathname=" + root + "\\garmin\r\n"
           "[DefGPXDir]\r\nPathname=" + root + "\\gpx\r\n";
  }

  std::string root;
  std::string sourceName;
};

std::string Joined(const std::vector<std::string>& entries) {
  std::string text;
  for (const std::string& entry : entries) text += "[" + entry + "]";
  return text;
}

// Picks the list entry that starts with `prefix`, as a person's click tells the window.
void PickRunway(MainWindowRun& run, int listId, const std::string& prefix, CaseReport& report) {
  std::vector<std::string> entries = ComboEntries(run.Item(listId));
  for (std::size_t index = 0; index < entries.size(); ++index) {
    if (entries[index].compare(0, prefix.size(), prefix) != 0) continue;
    DWORD_PTR result = 0;
    SendMessageTimeoutA(run.Item(listId), CB_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, 5000, &result);
    PostMessageA(run.Window(), WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(run.Item(listId)));
    run.Program().Sync(report);
    return;
  }
  report.Fail("no runway " + prefix + " in " + Joined(entries));
}

void OpenAndBuild(MainWindowRun& run, const ConversionFolder& folder, CaseReport& report) {
  PostCommand(run.Window(), kOpenCommand);
  HWND dialog = WaitForDialog(run.Program(), "Open Flight plan file", report);
  if (dialog == nullptr) return;
  ChooseFile(dialog, folder.source());
  WaitUntil([&] { return !TextOf(run.Item(kRouteEdit)).empty(); });
  run.Program().Sync(report);
}

void ExpectBuiltRoute(MainWindowRun& run, const ConversionFolder& folder, CaseReport& report) {
  report.ExpectText(folder.source(), TextOf(run.Item(kSourceEdit)), "edit 1010");
  report.ExpectText("LSZH-TRA-LSGG", TextOf(run.Item(kRouteEdit)), "route text");
  report.ExpectText("5500", TextOf(run.Item(kCruiseAltitudeStatic)), "cruising altitude");
  report.ExpectText("LSZH", TextOf(run.Item(kDepartureIdentStatic)), "departure ident");
  report.ExpectText("LSGG", TextOf(run.Item(kDestinationIdentStatic)), "destination ident");
  report.ExpectText("Zurich", TextOf(run.Item(kDepartureNameStatic)), "departure name");
  report.ExpectText("Geneva", TextOf(run.Item(kDestinationNameStatic)), "destination name");
  report.ExpectText(folder.root + "\\out\\zurich-geneva.pln", TextOf(run.Item(kDestinationEdit)), "edit 1013");
  report.ExpectText("[16 12139 ][34 12139 ]", Joined(ComboEntries(run.Item(kDepartureRunwayList))),
                    "departure runways");
  report.ExpectText("[04 12795 ][22 12795 ]", Joined(ComboEntries(run.Item(kLandingRunwayList))),
                    "landing runways");
  report.Expect(IsWindowEnabled(run.Item(kDetailsButton)) != FALSE, "\"&Details\" is disabled");
  report.Expect(!run.IsMenuGreyed(kPrintCommand), "\"&Print...\" is greyed");
  report.Expect(IsToolbarButtonEnabled(run.Toolbar(), kDetailsButton), "toolbar Details is disabled");
  report.Expect(IsToolbarButtonEnabled(run.Toolbar(), kPrintCommand), "toolbar Print is disabled");
  report.Expect(!IsWindowVisible(run.Item(kAnimation)), "the animation is still shown");
}

// "&Details" lists the built route, one row per waypoint, read cell by cell.
void ExpectDetailsListTheRoute(MainWindowRun& run, CaseReport& report) {
  PostCommand(run.Window(), kDetailsButton);
  HWND details = WaitForDialog(run.Program(), "PlanTransit - Route Details", report);
  if (details == nullptr) return;
  HWND list = GetDlgItem(details, IDC_ROUTE_DETAILS_LIST);
  const char* rows[][kRouteDetailsColumns] = {
      {"1", "LSZH ", "Apt", "N47\xB0  27.48'", "E08\xB0  32.88'", "  1416"},
      {"2", "TRA  ", "VOR", "N47\xB0  41.35'", "E08\xB0  26.22'", "  5500"},
      {"3", "LSGG ", "Apt", "N46\xB0  14.28'", "E06\xB0  06.54'", "  1411"},
  };
  report.ExpectNumber(3, ListItemCount(list), "rows of the details list");
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < kRouteDetailsColumns; ++column) {
      report.ExpectText(rows[row][column], ItemText(list, run.Program().ProcessId(), row, column),
                        "details row " + std::to_string(row + 1) + ", column " + std::to_string(column + 1));
    }
  }
  PostMessageA(details, WM_COMMAND, IDOK, 0);
  report.Expect(WaitUntil([&] { return !IsWindow(details); }), "\"&OK\" did not close the details");
}

// The GPX filter (where the registry puts it, after the six of old) writes a GPX route.
void SaveAsGpxRoute(MainWindowRun& run, const ConversionFolder& folder, CaseReport& report) {
  PostCommand(run.Window(), kSaveAsCommand);
  HWND dialog = WaitForDialog(run.Program(), "Save as... Flight plan", report);
  if (dialog == nullptr) return;
  std::string route = folder.root + "\\zurich-geneva.gpx";
  SelectFilter(dialog, IndexOf(*FindExportTypeByKey("gpx")) + 1);
  ChooseFile(dialog, route);
  AnswerNextMessage(run.Program(), report, "GPX Route zurich-geneva.gpx successfully created!\n", kIconInformation,
                    "[OK]", IDOK);
  report.Expect(ReadFileBytes(route) == ReadFileBytes(SourcePath("tests/golden/gpx/zurich-geneva.gpx")),
                "the saved route differs from tests/golden/gpx/zurich-geneva.gpx:\n" + Visible(ReadFileBytes(route)));
}

void SaveAsMsfsPlan(MainWindowRun& run, const ConversionFolder& folder, CaseReport& report) {
  PostCommand(run.Window(), kSaveAsCommand);
  HWND dialog = WaitForDialog(run.Program(), "Save as... Flight plan", report);
  if (dialog == nullptr) return;
  std::string plan = folder.root + "\\zurich-geneva.pln";
  SelectFilter(dialog, 1);
  ChooseFile(dialog, plan);
  AnswerNextMessage(run.Program(), report,
                    "MS Flight Simulator Flight-Plan zurich-geneva.pln successfully created!\n", kIconInformation,
                    "[OK]", IDOK);
  report.Expect(ReadFileBytes(plan) == ReadFileBytes(SourcePath("tests/golden/msfs/zurich-geneva.pln")),
                "the saved plan differs from tests/golden/msfs/zurich-geneva.pln:\n" + Visible(ReadFileBytes(plan)));
  report.ExpectText(plan, TextOf(run.Item(kDestinationEdit)), "edit 1013 after Save as");
}

void SaveAllTen(MainWindowRun& run, const ConversionFolder& folder, CaseReport& report) {
  PostCommand(run.Window(), kSaveCommand);
  const struct {
    const char* message;
    const char* file;
  } plans[] = {
      {"MS Flight Simulator Flight-Plan zurich-geneva.pln successfully created!\n", "msfs\\zurich-geneva.pln"},
      {"ACS-GPS Flight-Plan zurich-geneva.prg successfully created!\n", "acs\\zurich-geneva.prg"},
      {"SquawkBox Flight-Plan zurich-geneva.sbp successfully created!\n", "sqb\\zurich-geneva.sbp"},
      {"Radar Contact Flight-Plan zurich-geneva.apl successfully created!\n", "rc\\zurich-geneva.apl"},
      {"Super Flight Planner Flight-Plan zurich-geneva.pln successfully created!\n", "sfp\\zurich-geneva.pln"},
      {"Nav Flight Planner Flight-Plan zurich-geneva.pln successfully created!\n", "nav\\zurich-geneva.pln"},
      {"MSFS 2020 Flight-Plan zurich-geneva.pln successfully created!\n", "msfs2020\\zurich-geneva.pln"},
      {"X-Plane Flight-Plan zurich-geneva.fms successfully created!\n", "xplane\\zurich-geneva.fms"},
      {"Garmin Flight-Plan zurich-geneva.fpl successfully created!\n", "garmin\\zurich-geneva.fpl"},
      {"GPX Route zurich-geneva.gpx successfully created!\n", "gpx\\zurich-geneva.gpx"},
  };
  for (const auto& plan : plans) {
    AnswerNextMessage(run.Program(), report, plan.message, kIconInformation, "[OK]", IDOK);
    report.Expect(FileExists(folder.root + "\\" + plan.file), std::string("no ") + plan.file);
  }
  report.Expect(ReadFileBytes(folder.root + "\\msfs\\zurich-geneva.pln") ==
                    ReadFileBytes(SourcePath("tests/golden/msfs/zurich-geneva.pln")),
                "the bulk MSFS plan differs from the golden one");
}

// Builds again, so the route is unsaved, and closes: Cancel keeps the window,
// No ends the program.
void CloseUnsaved(MainWindowRun& run, CaseReport& report) {
  run.Choose(kBuildCommand);
  const char* question = "MS Flight Simulator Flight-Plan zurich-geneva.pln not saved yet!\nDo you want to save it?";
  PostCommand(run.Window(), kCancelButton);
  AnswerNextMessage(run.Program(), report, question, kIconQuestion, "[&Yes][&No][Cancel]", IDCANCEL);
  run.Program().Sync(report);
  report.Expect(IsWindow(run.Window()) != FALSE && !run.Program().HasExited(), "Cancel closed the window");
  PostCommand(run.Window(), kExitCommand);
  AnswerNextMessage(run.Program(), report, question, kIconQuestion, "[&Yes][&No][Cancel]", IDNO);
  DWORD exitCode = 1;
  if (report.Expect(run.Program().WaitForExit(exitCode), "No did not end the program")) {
    report.ExpectNumber(0, exitCode, "exit code after No");
  }
  run.Closed();
}

void ExpectLastFilesStored(const MainWindowRun& run, const ConversionFolder& folder, CaseReport& report) {
  std::string configuration = ReadFileBytes(run.ConfigPath());
  for (const std::string& line :
       {"Pathname=" + folder.source(), std::string("Filename=zurich-geneva.txt"),
        "Pathname=" + folder.root + "\\out\\zurich-geneva.pln", std::string("Filename=zurich-geneva.pln"),
        std::string("FilterIndex=1")}) {
    std::string spaced = line;
    spaced.replace(spaced.find('='), 1, " = ");
    report.Expect(configuration.find(line) != std::string::npos || configuration.find(spaced) != std::string::npos,
                  "the configuration lacks \"" + line + "\":\n" + Visible(configuration));
  }
}

void ConvertsASampleThroughTheWindow(const DriverPaths& paths, CaseReport& report) {
  ConversionFolder folder(paths, "conversion");
  std::string configuration = folder.Configuration();
  MainWindowRun run(paths, "conversion", configuration.c_str(), report);
  if (run.Window() == nullptr) return;
  OpenAndBuild(run, folder, report);
  ExpectBuiltRoute(run, folder, report);
  ExpectDetailsListTheRoute(run, report);
  PickRunway(run, kDepartureRunwayList, "34", report);
  PickRunway(run, kDepartureRunwayList, "16", report);
  report.ExpectText("16 12139 ", TextOf(run.Item(kDepartureRunwayList)), "departure runway shown");
  SaveAsGpxRoute(run, folder, report);
  SaveAsMsfsPlan(run, folder, report);
  // The bulk run takes the name Save as showed and names each plan by the rule.
  SaveAllTen(run, folder, report);
  CloseUnsaved(run, report);
  ExpectLastFilesStored(run, folder, report);
}

// The X-Plane plan of the worked route, opened through the first filter, builds
// the route the export builds, with the runways the plan names proposed, and
// saves the MSFS plan the export saves.
void ConvertsAnXPlanePlanThroughTheWindow(const DriverPaths& paths, CaseReport& report) {
  ConversionFolder folder(paths, "xplane-source", "tests/golden/xplane/zurich-geneva.fms");
  std::string configuration = folder.Configuration();
  MainWindowRun run(paths, "xplane-source", configuration.c_str(), report);
  if (run.Window() == nullptr) return;
  OpenAndBuild(run, folder, report);
  ExpectBuiltRoute(run, folder, report);
  ExpectDetailsListTheRoute(run, report);
  report.ExpectText("16 12139 ", TextOf(run.Item(kDepartureRunwayList)), "the departure runway the plan names");
  SaveAsMsfsPlan(run, folder, report);
}

// A build that fails after one that succeeded leaves nothing Save could write:
// closing asks no question (whose Yes would only start another build) and ends.
void ClosesWithoutTheQuestionAfterAFailedBuild(const DriverPaths& paths, CaseReport& report) {
  ConversionFolder folder(paths, "failed-build");
  std::string configuration = folder.Configuration();
  MainWindowRun run(paths, "failed-build", configuration.c_str(), report);
  if (run.Window() == nullptr) return;
  OpenAndBuild(run, folder, report);
  WriteTextFile(folder.source(), "not a flight plan\r\n");
  PostCommand(run.Window(), kBuildCommand);
  AnswerNextMessage(run.Program(), report, NoPlanOfAnyKindText("zurich-geneva.txt"),
                    kIconError, "[OK]", IDOK);
  AnswerNextMessage(run.Program(), report, "Failed to build Flight-Plan from file zurich-geneva.txt",
                    kIconWarning, "[OK]", IDOK);
  PostCommand(run.Window(), kExitCommand);
  DWORD exitCode = 1;
  if (report.Expect(run.Program().WaitForExit(exitCode), "Exit did not end the program (a question held it?)")) {
    report.ExpectNumber(0, exitCode, "exit code");
  }
  run.Closed();
  for (const char* plan : {"msfs\\zurich-geneva.pln", "sqb\\zurich-geneva.sbp"}) {
    report.Expect(!FileExists(folder.root + "\\" + plan), std::string("a plan was written: ") + plan);
  }
}

}  // namespace

std::vector<GuiCase> ConversionCases() {
  return {{"ConvertsASampleThroughTheWindow", ConvertsASampleThroughTheWindow},
          {"ConvertsAnXPlanePlanThroughTheWindow", ConvertsAnXPlanePlanThroughTheWindow},
          {"ClosesWithoutTheQuestionAfterAFailedBuild", ClosesWithoutTheQuestionAfterAFailedBuild}};
}
