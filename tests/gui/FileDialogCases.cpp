// The shell's two file dialogs, worked as a person works them: the open dialog's
// refusal of FliteStar's own ".fcf" files and the save dialog's filter that
// becomes the export type.
#include "shell/Win32.h"

#include <commctrl.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "GuiCases.h"
#include "ProgramDialogs.h"
#include "WindowQueries.h"
#include "writers/FormatRegistry.h"

namespace {

constexpr const char* kRefusal =
    "Original FliteStar files not yet directly supported!!!\n"
    "Run FliteStar and export Flight plan as Generic Text format file!";
constexpr const char* kUntested =
    "This type of Flight plan file is not yet tested!!!\n"
    "Please verify if it works, thanks to you!!!";

std::map<std::string, std::string> ReadResult(const std::string& path) {
  std::map<std::string, std::string> values;
  std::ifstream file(path, std::ios::binary);
  std::string line;
  while (std::getline(file, line)) {
    std::size_t equals = line.find('=');
    if (equals != std::string::npos) values[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return values;
}

HWND FindMessageBox(TestedProgram& program) { return FindTopLevel(program.ProcessId(), "#32770", kMessageBoxTitle); }

int ListSelection(HWND list) {
  DWORD_PTR selection = 0;
  SendMessageTimeoutA(list, CB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &selection);
  return static_cast<int>(static_cast<LRESULT>(selection));
}

void ExpectFilters(CaseReport& report, HWND dialog, const std::vector<std::string>& expected, int selected) {
  HWND list = GetDlgItem(dialog, kFilterList);
  std::vector<std::string> entries = ComboEntries(list);
  std::string expectedText;
  std::string seenText;
  for (const std::string& entry : expected) expectedText += entry + "|";
  for (const std::string& entry : entries) seenText += entry + "|";
  report.ExpectText(expectedText, seenText, "filter list");
  report.ExpectNumber(selected, ListSelection(list), "selected filter (0-based)");
}

void ExpectExit(CaseReport& report, TestedProgram& program) {
  DWORD exitCode = 1;
  if (report.Expect(program.WaitForExit(exitCode), "the dialog harness did not end")) {
    report.ExpectNumber(0, exitCode, "exit code of the dialog harness");
  }
}

void OpenDialogRefusesFcfAndAcceptsFcfInCapitals(const DriverPaths& paths, CaseReport& report) {
  std::string lowerFolder = paths.work + "\\lower";
  std::string upperFolder = paths.work + "\\upper";
  CreateDirectoryA(lowerFolder.c_str(), nullptr);
  CreateDirectoryA(upperFolder.c_str(), nullptr);
  std::string refused = lowerFolder + "\\x.fcf";
  std::string accepted = upperFolder + "\\x.FCF";
  WriteTextFile(refused, "FliteStar's own plan\r\n");
  WriteTextFile(accepted, "a plan exported in capitals\r\n");
  std::string resultFile = paths.work + "\\open-result.txt";
  DeleteFileA(resultFile.c_str());

  TestedProgram harness(paths);
  std::string command = Quoted(paths.harness) + " open 1 " + Quoted(paths.work) + " " + Quoted(resultFile);
  if (!harness.Start(command, "", report) || harness.WaitForWindow("PlanTransitDialogHarness", report) == nullptr) {
    return;
  }
  HWND dialog = WaitForDialog(harness, "Open Flight plan file", report);
  if (dialog == nullptr) return;
  ExpectFilters(report, dialog,
                {"Flight plans (all kinds)", "Exported FliteStar Flightplan files (*.txt)",
                 "FliteStar Flightplan files (*.fcf)", "All files (*.*)"},
                0);
  ChooseFile(dialog, refused);

  HWND box = nullptr;
  if (!WaitUntil([&] { return (box = FindMessageBox(harness)) != nullptr; })) {
    report.Fail("x.fcf was not refused; saw " + DescribeTopLevels(harness.ProcessId()));
    return;
  }
  AnswerMessageBox(harness, box, report, kRefusal, kIconWarning, "[OK]", IDOK);

  HWND again = nullptr;
  if (!WaitUntil([&] {
        again = FindTopLevel(harness.ProcessId(), "#32770", "Open Flight plan file");
        return again != nullptr && FindMessageBox(harness) == nullptr;
      })) {
    report.Fail("the open dialog did not come back; saw " + DescribeTopLevels(harness.ProcessId()));
    return;
  }
  std::string shown = TextOf(GetDlgItem(again, kFileNameBox));
  report.Expect(shown.size() >= 5 && shown.compare(shown.size() - 5, 5, "x.fcf") == 0,
                "the dialog did not start from the refused choice; its file box shows \"" + shown + "\"");
  ChooseFile(again, accepted);
  ExpectExit(report, harness);

  std::map<std::string, std::string> result = ReadResult(resultFile);
  report.ExpectText("1", result["result"], "OpenSourceDialog's answer");
  report.ExpectText(accepted, result["path"], "chosen path");
  report.ExpectText("x.FCF", result["name"], "chosen name");
  report.ExpectText("PlanTransit - x.FCF", result["title"], "main window title");
}

void SaveDialogFilterBecomesTheExportType(const DriverPaths& paths, CaseReport& report) {
  // The six programs of old keep their places; the simulators of today follow, in
  // the registry's order, and "All files" last, stored as type eleven.
  std::vector<std::string> filters = {
      "MS FS2000/2002 Flightplan Files (*.pln)", "ACS-GPS Flightplan Files (*.prg)",
      "Radar Contact Flightplan Files (*.apl)",  "SquawkBox Flightplan Files (*.sbp)",
      "SFP Flightplan Files (*.pln)",            "Nav Flightplan Files (*.pln)"};
  for (int later = static_cast<int>(filters.size()); later < kExportTypeCount; ++later) {
    filters.push_back(kExportTypes[later].filter.description);
  }
  filters.push_back("All files (*.*)");
  for (int filter = 1; filter <= kExportTypeCount + 1; ++filter) {
    CaseReport step;
    std::string resultFile = paths.work + "\\save-result-" + std::to_string(filter) + ".txt";
    DeleteFileA(resultFile.c_str());
    TestedProgram harness(paths);
    std::string command = Quoted(paths.harness) + " save 4 " + Quoted(paths.work) + " " + Quoted(resultFile);
    if (!harness.Start(command, "", step) || harness.WaitForWindow("PlanTransitDialogHarness", step) == nullptr) {
      report.Fail("filter " + std::to_string(filter) + ": " + step.Failures().front());
      return;
    }
    HWND dialog = WaitForDialog(harness, "Save as... Flight plan", step);
    if (dialog != nullptr) {
      ExpectFilters(step, dialog, filters, 3);
      SelectFilter(dialog, filter);
      ChooseFile(dialog, paths.work + "\\saved-" + std::to_string(filter));

      HWND box = nullptr;
      WaitUntil([&] { return (box = FindMessageBox(harness)) != nullptr || harness.HasExited(); });
      bool untested = filter >= 2 && filter <= 6;
      if (untested && step.Expect(box != nullptr, "no notice for an untested type")) {
        AnswerMessageBox(harness, box, step, kUntested, kIconWarning, "[OK]", IDOK);
      }
      if (!untested && !step.Expect(box == nullptr, "a notice for a tested type: " + TextOf(GetDlgItem(box, kMessageText)))) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      }
      ExpectExit(step, harness);
      std::map<std::string, std::string> result = ReadResult(resultFile);
      step.ExpectText("1", result["result"], "SaveAsDialog's answer");
      int type = filter <= kExportTypeCount ? kExportTypes[filter - 1].code : kAllFilesType;
      step.ExpectText(std::to_string(type), result["exportType"], "exportType");
    }
    for (const std::string& failure : step.Failures()) report.Fail("filter " + std::to_string(filter) + ": " + failure);
  }
}

}  // namespace

std::vector<GuiCase> FileDialogCases() {
  return {
      {"OpenDialogRefusesFcfAndAcceptsFcfInCapitals", OpenDialogRefusesFcfAndAcceptsFcfInCapitals},
      {"SaveDialogFilterBecomesTheExportType", SaveDialogFilterBecomesTheExportType},
  };
}
