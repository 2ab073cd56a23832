// The settings sheet's logic over a fake page: what each page shows, when a page
// stores its values and which keys that writes in which order, the changed flags
// across runs of the sheet, the pickers, and what the user is told.
#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "config/ExportsPage.h"
#include "config/SettingsPageIds.h"
#include "config/SettingsSheet.h"
#include "support/FakeSettingsPage.h"
#include "support/TestPorts.h"

namespace {

constexpr const char* kConfigPath = "/home/pilot/PlanTransit.cfg";
constexpr const char* kNoFolder = "Please select a valid path";
constexpr const char* kSaved =
    "The Default settings have successfully been saved!\n"
    "For some options to take effect, you have to restart PlanTransit!";
constexpr const char* kNotSaved =
    "The Default settings could not be saved in /home/pilot/PlanTransit.cfg!\n"
    "Please check that the file can be written, then try again.";
constexpr int kEditChanged = 0x300;  // EN_CHANGE: typing into a field

const std::initializer_list<int> kFlightTypeRadios = {kPresetVfrRadio, kPresetIfrRadio};

// The Exports page's rows in their order on the page, with the control ids these
// ten rows have always had.
struct ExportsRowIds {
  const char* key;  // the converter's name of the format
  int check;
  int edit;
  int button;
};
constexpr ExportsRowIds kExportsRows[] = {
    {"msfs", 1037, 1075, 1081},     {"acs-gps", 1070, 1076, 1082}, {"sfp", 1071, 1077, 1083},
    {"rc99", 1072, 1078, 1084},     {"sqb", 1073, 1079, 1085},     {"nav", 1074, 1080, 1086},
};

// The row of the format the converter names `key`.
const ExportsRowIds& Row(std::string_view key) {
  for (const ExportsRowIds& row : kExportsRows) {
    if (key == row.key) return row;
  }
  throw std::invalid_argument("no row " + std::string(key));
}

// The registry's row of the format the converter names `key`.
const ExportType& Format(std::string_view key) {
  const ExportType* type = FindExportTypeByKey(key);
  if (type == nullptr) throw std::invalid_argument("no format " + std::string(key));
  return *type;
}

// The keys of the formats `page` holds besides the ones listed first (the first
// `listed` of that page), in the order `column` stores them.
template <typename KeyText>
std::string LaterFormatKeys(SettingsPage page, std::size_t listed, int ExportOrder::*column, KeyText keyText) {
  std::string keys;
  std::size_t seen = 0;
  for (const ExportType* type : ExportTypesInOrder(column)) {
    if (type->page == page && ++seen > listed) keys += keyText(*type);
  }
  return keys;
}

std::string SwitchKey(const ExportType& type) { return type.name + std::string("=0\r\n"); }
std::string FolderKey(const ExportType& type) {
  return "\r\n[" + std::string(type.folderSection) + "]\r\nPathname=Please select a valid path\r\n";
}

// A file port that counts the replacements made: one per key written.
class CountingFileSystem : public FakeFileSystem {
 public:
  std::unique_ptr<OutputFile> CreateReplacement(const char* path) override {
    ++replacements;
    return FakeFileSystem::CreateReplacement(path);
  }
  int replacements = 0;
};

class SettingsSheetTest : public ::testing::Test {
 protected:
  SettingsSheetTest() {
    t.environment.variables["PLANTRANSIT_CONFIG"] = kConfigPath;
  }

  void Store(const std::string& text) { disk.files[kConfigPath] = text; }
  std::string Stored() { return disk.files.count(kConfigPath) ? disk.files[kConfigPath] : "<no file>"; }

  // Opens the sheet as the shell does: the reload, then the Options page.
  FakeSettingsPage& Open() {
    OpenSettingsSheet(settings, sheet.configuration, t.registry);
    options = std::make_unique<FakeSettingsPage>();
    exports.reset();
    FillOptionsPage(settings, *options);
    return *options;
  }
  // The Exports tab shown for the first time in this run of the sheet.
  FakeSettingsPage& ShowExports() {
    exports = std::make_unique<FakeSettingsPage>();
    FillExportsPage(settings, *exports);
    return *exports;
  }
  void ClickOptions(int controlId) { OnOptionsPageCommand(sheet, *options, controlId, kClickNotification); }
  void ClickExports(int controlId) { OnExportsPageCommand(sheet, *exports, controlId, kClickNotification); }
  void ClickSimulators(int controlId) { OnSimulatorsPageCommand(sheet, *simulators, controlId, kClickNotification); }
  // The Simulators tab shown for the first time in this run of the sheet.
  FakeSettingsPage& ShowSimulators() {
    simulators = std::make_unique<FakeSettingsPage>();
    FillSimulatorsPage(settings, *simulators);
    return *simulators;
  }
  // OK or Apply: every page created in this run, Options first.
  void Apply() {
    ApplyOptionsPage(sheet, *options);
    if (exports) ApplyExportsPage(sheet, *exports);
    if (simulators) ApplySimulatorsPage(sheet, *simulators);
  }
  std::vector<std::string> Messages() {
    std::vector<std::string> texts = options->messages.Texts();
    if (exports) {
      for (const std::string& text : exports->messages.Texts()) texts.push_back(text);
    }
    return texts;
  }

  CountingFileSystem disk;
  TestPorts t;
  ProgramSettings settings{};
  SettingsSheetFlags flags{};
  SettingsSheetContext sheet{settings, flags, {disk, t.environment}, t.folders, t.dialogs};
  std::unique_ptr<FakeSettingsPage> options;
  std::unique_ptr<FakeSettingsPage> exports;
  std::unique_ptr<FakeSettingsPage> simulators;
};

// The keys of the Options page as a fresh run writes them, in their order.
const std::string kFreshOptionsAfterIfr =
    "[Startup]\r\nMenuoption=1\r\nMouseoption=1\r\nAutogen=0\r\n"
    "\r\n[DefFlightType]\r\nFlighttype=1\r\n"
    "\r\n[DefRouteType]\r\nRoutetype=1\r\n"
    "\r\n[DefDataSource]\r\nDataSource=0\r\n"
    "\r\n[AirpFile]\r\nPathname=Fsb_apts.txt\r\nFilename=Fsb_apts.txt\r\n"
    "\r\n[DefSrceDir]\r\nPathname=Please select a valid path\r\n"
    "\r\n[DefDestDir]\r\nPathname=Please select a valid path\r\n"
    "\r\n[DefMSFSDir]\r\nPathname=Please select a valid path\r\n";

TEST_F(SettingsSheetTest, OkWithoutChangesWritesNothingAndSaysNothing) {
  Open();
  ShowExports();
  Apply();
  EXPECT_EQ(0, disk.replacements);
  EXPECT_EQ("<no file>", Stored());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SettingsSheetTest, ApplyAfterAFlightTypeClickWritesEveryOptionsKeyOnceAndConfirms) {
  FakeSettingsPage& page = Open();
  page.ClickRadio(kPresetIfrRadio, kFlightTypeRadios);
  ClickOptions(kPresetIfrRadio);
  EXPECT_TRUE(flags.optionsChanged);
  EXPECT_EQ(1, page.applyEnabled);

  Apply();
  EXPECT_EQ(11, disk.replacements);
  EXPECT_EQ(kFreshOptionsAfterIfr, Stored());
  ASSERT_EQ(1u, page.messages.Messages().size());
  EXPECT_EQ(kSaved, page.messages.Messages()[0].text);
  EXPECT_EQ(MessageKind::Information, page.messages.Messages()[0].kind);
  EXPECT_EQ(MessageButtons::Ok, page.messages.Messages()[0].buttons);
  EXPECT_FALSE(flags.optionsChanged);
  EXPECT_EQ(1, settings.defaultFlightType);

  Apply();  // a second Apply without a change
  EXPECT_EQ(11, disk.replacements);
  EXPECT_EQ(1u, page.messages.Messages().size());
}

TEST_F(SettingsSheetTest, FlagOfACancelledSheetMakesTheNextOkStoreTheReloadedValues) {
  FakeSettingsPage& first = Open();
  first.ClickRadio(kPresetIfrRadio, kFlightTypeRadios);
  ClickOptions(kPresetIfrRadio);
  // Cancel: nothing applied.
  EXPECT_EQ(0, disk.replacements);

  FakeSettingsPage& second = Open();
  EXPECT_TRUE(second.checked[kPresetVfrRadio]);
  Apply();
  EXPECT_EQ(11, disk.replacements);
  EXPECT_NE(std::string::npos, Stored().find("[DefFlightType]\r\nFlighttype=0\r\n"));
  EXPECT_EQ(std::vector<std::string>{kSaved}, Messages());
}

// The keys of today's simulators follow the six of old, so files written by
// older versions load unchanged.
TEST_F(SettingsSheetTest, ExportsWritesItsKeysInOrderAndStaysChangedForTheRestOfTheRun) {
  Open();
  FakeSettingsPage& page = ShowExports();
  page.checked[Row("sqb").check] = true;
  ClickExports(Row("sqb").check);
  EXPECT_EQ(1, page.applyEnabled);

  Apply();
  const int keys = 2 * static_cast<int>(ExportsPage().size());
  EXPECT_EQ(keys, disk.replacements);
  // The six programs of old in the order stored files have them; a format added
  // to the page later follows them.
  const std::size_t six = std::size(kExportsRows);
  EXPECT_EQ(
      "[Startup]\r\nACS-GPS=0\r\nMSFS=0\r\nNAV=0\r\nRC99=0\r\nSQB=1\r\nSFP=0\r\n" +
          LaterFormatKeys(SettingsPage::Exports, six, &ExportOrder::switchStore, SwitchKey) +
      "\r\n[DefACSGPSDir]\r\nPathname=Please select a valid path\r\n"
      "\r\n[DefNAVDir]\r\nPathname=Please select a valid path\r\n"
      "\r\n[DefRC99Dir]\r\nPathname=Please select a valid path\r\n"
      "\r\n[DefSQBDir]\r\nPathname=Please select a valid path\r\n"
      "\r\n[DefSFPDir]\r\nPathname=Please select a valid path\r\n"
      "\r\n[DefMSFSDir]\r\nPathname=Please select a valid path\r\n" +
          LaterFormatKeys(SettingsPage::Exports, six, &ExportOrder::folderStore, FolderKey),
      Stored());
  EXPECT_EQ(1, BulkSwitch(settings, Format("sqb")));
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(flags.exportsChanged);

  Apply();  // without a change: written again
  EXPECT_EQ(2 * keys, disk.replacements);
  Open();  // a sheet whose Exports tab is never shown stores nothing
  Apply();
  EXPECT_EQ(2 * keys, disk.replacements);
  Open();
  ShowExports();
  Apply();
  EXPECT_EQ(3 * keys, disk.replacements);
}

TEST_F(SettingsSheetTest, ExportsReadsEverySwitchIntoItsField) {
  Open();
  FakeSettingsPage& page = ShowExports();
  // Every other row checked, so a switch read from a neighbour's box shows.
  bool checked = true;
  for (const ExportsPageRow& row : ExportsPage()) {
    page.checked[row.controls.check] = checked;
    checked = !checked;
  }
  ClickExports(Row("nav").check);
  Apply();
  checked = true;
  for (const ExportsPageRow& row : ExportsPage()) {
    SCOPED_TRACE(row.type->key);
    EXPECT_EQ(checked ? 1 : 0, BulkSwitch(settings, *row.type));
    checked = !checked;
  }
}

TEST_F(SettingsSheetTest, PickedSourceFolderSurvivesATabSwitchAndIsStored) {
  FakeSettingsPage& page = Open();
  t.folders.Choose("C:\\Plans\\Source");
  ClickOptions(kSourceFolderButton);
  EXPECT_EQ(std::vector<std::string>{"Please select a default flight plan source folder:"}, t.folders.Prompts());
  EXPECT_STREQ("C:\\Plans\\Source", settings.defaultSourceDir);
  EXPECT_EQ("C:\\Plans\\Source", page.texts[kSourceFolderEdit]);
  EXPECT_EQ(1, page.applyEnabled);

  ShowExports();
  Apply();
  EXPECT_NE(std::string::npos, Stored().find("[DefSrceDir]\r\nPathname=C:\\Plans\\Source\r\n"));
}

TEST_F(SettingsSheetTest, AirportFileButtonTakesPathAndNameFromTheOpenDialogAndStoresBoth) {
  FakeSettingsPage& page = Open();
  t.dialogs.Choose("C:\\Data\\World.txt", "World.txt");
  ClickOptions(kAirportFileButton);
  ASSERT_EQ(1u, t.dialogs.Dialogs().size());
  EXPECT_EQ("Open Airport/Runway data file", t.dialogs.Dialogs()[0].title);
  EXPECT_STREQ("C:\\Data\\World.txt", settings.airportFilePath);
  EXPECT_STREQ("World.txt", settings.airportFileName);
  EXPECT_EQ("C:\\Data\\World.txt", page.texts[kAirportFileEdit]);
  EXPECT_EQ(1, page.applyEnabled);
  Apply();
  EXPECT_NE(std::string::npos, Stored().find("[AirpFile]\r\nPathname=C:\\Data\\World.txt\r\nFilename=World.txt\r\n"));
}

TEST_F(SettingsSheetTest, CancelledAirportFileDialogChangesNothing) {
  FakeSettingsPage& page = Open();
  t.dialogs.Cancel();
  ClickOptions(kAirportFileButton);
  EXPECT_STREQ("Fsb_apts.txt", settings.airportFilePath);
  EXPECT_STREQ("Fsb_apts.txt", settings.airportFileName);
  EXPECT_EQ("Fsb_apts.txt", page.texts[kAirportFileEdit]);
  EXPECT_EQ(0, page.applyEnabled);
  EXPECT_FALSE(flags.optionsChanged);
}

TEST_F(SettingsSheetTest, CancelledFolderBrowserChangesNeitherFieldNorRecordNorApply) {
  FakeSettingsPage& page = Open();
  t.folders.Cancel();
  ClickOptions(kDestFolderButton);
  EXPECT_EQ(std::vector<std::string>{"Please select a default flight plan destination folder:"},
            t.folders.Prompts());
  EXPECT_STREQ(kNoFolder, settings.defaultDestDir);
  EXPECT_EQ(kNoFolder, page.texts[kDestFolderEdit]);
  EXPECT_EQ(0, page.applyEnabled);
  EXPECT_FALSE(flags.optionsChanged);
}

TEST_F(SettingsSheetTest, PickedDestinationFolderOfACancelledSheetLastsUntilTheNextOpening) {
  Store("[DefDestDir]\r\nPathname=C:\\Old\r\n");
  Open();
  t.folders.Choose("C:\\New");
  ClickOptions(kDestFolderButton);
  // Cancel: the file keeps the old folder, the running program uses the new one.
  EXPECT_EQ(0, disk.replacements);
  EXPECT_STREQ("C:\\New", settings.defaultDestDir);
  FakeSettingsPage& page = Open();
  EXPECT_STREQ("C:\\Old", settings.defaultDestDir);
  EXPECT_EQ("C:\\Old", page.texts[kDestFolderEdit]);
}

TEST_F(SettingsSheetTest, TypedFolderTextIsDiscarded) {
  FakeSettingsPage& page = Open();
  page.texts[kDestFolderEdit] = "C:\\Typed";
  OnOptionsPageCommand(sheet, page, kDestFolderEdit, kEditChanged);
  EXPECT_FALSE(flags.optionsChanged);
  EXPECT_EQ(0, page.applyEnabled);
  ClickOptions(kPresetIfrRadio);
  Apply();
  EXPECT_STREQ(kNoFolder, settings.defaultDestDir);
  EXPECT_NE(std::string::npos, Stored().find("[DefDestDir]\r\nPathname=Please select a valid path\r\n"));
}

TEST_F(SettingsSheetTest, EveryExportsRowKeepsItsPlaceAndIdsAndItsButtonPicksItsOwnFolder) {
  ASSERT_LE(std::size(kExportsRows), ExportsPage().size());
  Open();
  FakeSettingsPage& page = ShowExports();
  int picks = 0;
  for (std::size_t i = 0; i < ExportsPage().size(); ++i) {
    const ExportsPageRow& pageRow = ExportsPage()[i];
    // The first ten rows keep their ids; a later row takes the next three from 1100.
    const int later = 1100 + 3 * static_cast<int>(i - std::size(kExportsRows));
    const ExportsRowIds row = i < std::size(kExportsRows)
                                  ? kExportsRows[i]
                                  : ExportsRowIds{pageRow.type->key, later, later + 1, later + 2};
    SCOPED_TRACE(row.key);
    EXPECT_EQ(&Format(row.key), pageRow.type);
    EXPECT_EQ(row.check, pageRow.controls.check);
    EXPECT_EQ(row.edit, pageRow.controls.folderEdit);
    EXPECT_EQ(row.button, pageRow.controls.folderButton);

    std::string folder = "D:\\Out\\" + std::to_string(row.button);
    t.folders.Choose(folder);
    ClickExports(row.button);
    ++picks;
    EXPECT_EQ(folder, BulkFolder(settings, Format(row.key)));
    EXPECT_EQ(folder, page.texts[row.edit]);
    EXPECT_EQ(picks, page.applyEnabled);
    EXPECT_EQ("Please select a default flight plan destination folder:", t.folders.Prompts().back());
  }
  EXPECT_TRUE(flags.exportsChanged);
  EXPECT_FALSE(flags.optionsChanged);
}

TEST_F(SettingsSheetTest, RouteTypeSevenChecksNoButtonAndIsWrittenBackAsSeven) {
  Store("[DefRouteType]\r\nRoutetype=7\r\n");
  FakeSettingsPage& page = Open();
  for (int id : {kPresetVorToVorRadio, kPresetLowAirwaysRadio, kPresetHighAirwaysRadio, kPresetDirectGpsRadio}) {
    EXPECT_FALSE(page.checked[id]) << id;
  }
  page.ClickRadio(kPresetIfrRadio, kFlightTypeRadios);
  ClickOptions(kPresetIfrRadio);
  Apply();
  EXPECT_EQ(7, settings.defaultRouteType);
  EXPECT_NE(std::string::npos, Stored().find("[DefRouteType]\r\nRoutetype=7\r\n"));
}

TEST_F(SettingsSheetTest, OptionsPageShowsEachStoredValueWithItsButton) {
  struct Case {
    const char* stored;
    std::vector<int> checkedIds;
  };
  const std::vector<int> allIds = {kPresetVfrRadio,      kPresetIfrRadio,        kPresetVorToVorRadio,
                                   kPresetLowAirwaysRadio, kPresetHighAirwaysRadio, kPresetDirectGpsRadio,
                                   kFliteStarDataRadio,  kMsfsDataRadio,         kMenuBarCheck,
                                   kShortcutMenuCheck,   kNameFromPlanRadio,     kNameFromIcaoRadio,
                                   kNameFromAirportsRadio, kNameByUserRadio};
  const Case cases[] = {
      {"", {kPresetVfrRadio, kPresetVorToVorRadio, kFliteStarDataRadio, kMenuBarCheck, kShortcutMenuCheck,
            kNameFromPlanRadio}},
      {"[DefFlightType]\r\nFlighttype=1\r\n[DefRouteType]\r\nRoutetype=0\r\n[DefDataSource]\r\nDatasource=1\r\n"
       "[Startup]\r\nMenuoption=0\r\nMouseoption=0\r\nAutogen=1\r\n",
       {kPresetIfrRadio, kPresetDirectGpsRadio, kMsfsDataRadio, kNameFromIcaoRadio}},
      {"[DefRouteType]\r\nRoutetype=2\r\n[Startup]\r\nAutogen=2\r\nMouseoption=2\r\n",
       {kPresetVfrRadio, kPresetLowAirwaysRadio, kFliteStarDataRadio, kMenuBarCheck, kNameFromAirportsRadio}},
      {"[DefRouteType]\r\nRoutetype=3\r\n[Startup]\r\nAutogen=3\r\n[DefFlightType]\r\nFlighttype=2\r\n"
       "[DefDataSource]\r\nDatasource=2\r\n",
       {kPresetHighAirwaysRadio, kMenuBarCheck, kShortcutMenuCheck, kNameByUserRadio}},
      {"[Startup]\r\nAutogen=4\r\n", {kPresetVfrRadio, kPresetVorToVorRadio, kFliteStarDataRadio, kMenuBarCheck,
                                       kShortcutMenuCheck}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    Store(c.stored);
    FakeSettingsPage& page = Open();
    for (int id : allIds) {
      bool expected = std::find(c.checkedIds.begin(), c.checkedIds.end(), id) != c.checkedIds.end();
      EXPECT_EQ(expected, page.checked[id]) << "control " << id;
    }
  }
}

TEST_F(SettingsSheetTest, OptionsPageShowsTheDataFileAndTheTwoFolders) {
  Store("[AirpFile]\r\nPathname=C:\\Data\\Fsb_apts.txt\r\n[DefSrceDir]\r\nPathname=C:\\In\r\n"
        "[DefDestDir]\r\nPathname=C:\\Out\r\n");
  FakeSettingsPage& page = Open();
  EXPECT_EQ("C:\\Data\\Fsb_apts.txt", page.texts[kAirportFileEdit]);
  EXPECT_EQ("C:\\In", page.texts[kSourceFolderEdit]);
  EXPECT_EQ("C:\\Out", page.texts[kDestFolderEdit]);
}

TEST_F(SettingsSheetTest, ExportsPageShowsTheSwitchesAndFoldersInMemory) {
  Open();
  BulkSwitch(settings, Format("acs-gps")) = 1;
  BulkSwitch(settings, Format("nav")) = 5;
  std::snprintf(BulkFolder(settings, Format("rc99")), kPathSize, "%s", "E:\\Radar");
  FakeSettingsPage& page = ShowExports();
  EXPECT_TRUE(page.checked[Row("acs-gps").check]);
  EXPECT_TRUE(page.checked[Row("nav").check]);
  EXPECT_FALSE(page.checked[Row("msfs").check]);
  EXPECT_FALSE(page.checked[Row("sfp").check]);
  EXPECT_EQ("E:\\Radar", page.texts[Row("rc99").edit]);
  EXPECT_EQ(kNoFolder, page.texts[Row("sqb").edit]);
}

TEST_F(SettingsSheetTest, UncheckingTheMenuBarAppliesItOnceAndAnUnchangedChoiceNeverAgain) {
  FakeSettingsPage& page = Open();
  page.checked[kMenuBarCheck] = false;
  ClickOptions(kMenuBarCheck);
  Apply();
  EXPECT_EQ(1, page.menuBarApplied);
  EXPECT_EQ(0, settings.menuOption);
  EXPECT_NE(std::string::npos, Stored().find("Menuoption=0\r\n"));

  FakeSettingsPage& again = Open();
  EXPECT_FALSE(again.checked[kMenuBarCheck]);
  ClickOptions(kShortcutMenuCheck);
  Apply();
  EXPECT_EQ(0, again.menuBarApplied);
}

TEST_F(SettingsSheetTest, MenuOptionFiveShowsAsCheckedAndStaysWithoutResizing) {
  Store("[Startup]\r\nMenuoption=5\r\n");
  FakeSettingsPage& page = Open();
  EXPECT_TRUE(page.checked[kMenuBarCheck]);
  EXPECT_EQ(1, settings.menuOption);
  ClickOptions(kPresetIfrRadio);
  Apply();
  EXPECT_EQ(0, page.menuBarApplied);
  EXPECT_NE(std::string::npos, Stored().find("Menuoption=1\r\n"));
}

TEST_F(SettingsSheetTest, CommandsOfTheOkButtonAndOtherNotificationsAreIgnored) {
  FakeSettingsPage& page = Open();
  ClickOptions(1);
  OnOptionsPageCommand(sheet, page, kPresetIfrRadio, kEditChanged);
  FakeSettingsPage& exportsPage = ShowExports();
  ClickExports(1);
  OnExportsPageCommand(sheet, exportsPage, Row("msfs").button, kEditChanged);
  EXPECT_FALSE(flags.optionsChanged);
  EXPECT_FALSE(flags.exportsChanged);
  EXPECT_EQ(0, page.applyEnabled + exportsPage.applyEnabled);
  EXPECT_TRUE(t.folders.Prompts().empty());
}

TEST_F(SettingsSheetTest, OpeningReloadsWhatTheSheetShowsAndKeepsTheRunningFilesAndBars) {
  Store("[Startup]\r\nAutogen=2\r\nFilterIndex=4\r\nToolbar=1\r\n[SrceFile]\r\nPathname=C:\\Old.txt\r\n");
  OpenSettingsSheet(settings, sheet.configuration, t.registry);
  ProgramSettings& s = settings;
  std::snprintf(s.sourceFilePath, kPathSize, "%s", "C:\\Now.txt");
  std::snprintf(s.destFileName, kPathSize, "%s", "Now.pln");
  s.exportType = 6;
  s.showToolbar = 0;
  s.autogenMode = 0;
  OpenSettingsSheet(settings, sheet.configuration, t.registry);
  EXPECT_EQ(2, s.autogenMode);
  EXPECT_STREQ("C:\\Now.txt", s.sourceFilePath);
  EXPECT_STREQ("Now.pln", s.destFileName);
  EXPECT_EQ(6, s.exportType);
  EXPECT_EQ(0, s.showToolbar);
}

TEST_F(SettingsSheetTest, FailedWriteReportsTheFileInsteadOfSuccessAndTheNextApplyTriesAgain) {
  FakeSettingsPage& page = Open();
  ClickOptions(kPresetIfrRadio);
  disk.failCommit = true;
  Apply();
  EXPECT_EQ(11, disk.replacements);  // every key is still tried
  ASSERT_EQ(1u, page.messages.Messages().size());
  EXPECT_EQ(kNotSaved, page.messages.Messages()[0].text);
  EXPECT_EQ(MessageKind::Error, page.messages.Messages()[0].kind);
  EXPECT_TRUE(flags.optionsChanged);

  disk.failCommit = false;
  Apply();
  EXPECT_EQ(22, disk.replacements);
  EXPECT_EQ((std::vector<std::string>{kNotSaved, kSaved}), page.messages.Texts());
  EXPECT_FALSE(flags.optionsChanged);
}

TEST_F(SettingsSheetTest, OneFailedKeyAmongManyIsReportedToo) {
  FakeSettingsPage& page = Open();
  ClickOptions(kPresetIfrRadio);
  disk.FailWrite(3);
  Apply();
  EXPECT_EQ(std::vector<std::string>{kNotSaved}, page.messages.Texts());
}

TEST_F(SettingsSheetTest, FailedExportsWriteIsReported) {
  Open();
  FakeSettingsPage& page = ShowExports();
  ClickExports(Row("msfs").check);
  disk.failCommit = true;
  Apply();
  EXPECT_EQ(std::vector<std::string>{kNotSaved}, page.messages.Texts());
  EXPECT_EQ(MessageKind::Error, page.messages.Messages()[0].kind);
}

TEST(SettingsSheetNoFileTest, NoPlaceForTheFileIsReportedByItsName) {
  TestPorts t;  // no variables: nowhere to write
  ProgramSettings settings{};
  SettingsSheetFlags flags{};
  SettingsSheetContext sheet{settings, flags, t.Configuration(), t.folders, t.dialogs};
  FakeSettingsPage page;
  OpenSettingsSheet(settings, t.Configuration(), t.registry);
  FillOptionsPage(settings, page);
  OnOptionsPageCommand(sheet, page, kPresetIfrRadio, kClickNotification);
  ApplyOptionsPage(sheet, page);
  EXPECT_EQ(std::vector<std::string>{"The Default settings could not be saved in PlanTransit.cfg!\n"
                                     "Please check that the file can be written, then try again."},
            page.messages.Texts());
}

// The Simulators page lists every format the Exports page does not, in the
// registry's order: a ticked row and a folder changed for the selected row are
// stored under the format's own keys, switches first.
TEST_F(SettingsSheetTest, SimulatorsListsTheOtherFormatsAndStoresTheirSwitchesAndFolders) {
  Store("[Startup]\r\nGPX=1\r\n");
  Open();
  FakeSettingsPage& page = ShowSimulators();
  const std::vector<FakeSettingsPage::ListRow>& rows = page.lists[kSimulatorsList];
  std::vector<const ExportType*> expected;
  for (const ExportType& type : kExportTypes) {
    if (type.page == SettingsPage::Simulators) expected.push_back(&type);
  }
  ASSERT_EQ(kExportTypeCount - ExportsPage().size(), rows.size());
  for (std::size_t row = 0; row < rows.size(); ++row) {
    SCOPED_TRACE(expected[row]->key);
    EXPECT_EQ(expected[row]->label, rows[row].name);
    EXPECT_EQ(kNoFolder, rows[row].folder);
    EXPECT_EQ(expected[row] == &Format("gpx"), rows[row].checked) << "a switch read from the file shows";
  }

  ClickSimulators(kChangeFolderButton);  // no row selected: nothing to change
  EXPECT_TRUE(t.folders.Prompts().empty());
  std::size_t xplane = 0;
  while (expected[xplane] != &Format("xplane")) ++xplane;
  page.selectedRow = static_cast<int>(xplane);
  t.folders.Choose("D:\\X-Plane\\Output\\FMS plans");
  ClickSimulators(kChangeFolderButton);
  EXPECT_EQ("D:\\X-Plane\\Output\\FMS plans", page.lists[kSimulatorsList][xplane].folder);
  EXPECT_STREQ("D:\\X-Plane\\Output\\FMS plans", BulkFolder(settings, Format("xplane")));
  page.lists[kSimulatorsList][xplane].checked = true;
  OnSimulatorsPageCommand(sheet, page, kSimulatorsList, kListRowCheckedNotification);
  EXPECT_EQ(2, page.applyEnabled);

  Apply();
  // The stored GPX key keeps its place; the others follow it in the page's order.
  std::string switches = "[Startup]\r\nGPX=1\r\n";
  std::string folders;
  for (const ExportType* type : expected) {
    if (type != &Format("gpx")) switches += type->name + std::string(type == &Format("xplane") ? "=1\r\n" : "=0\r\n");
    folders += "\r\n[" + std::string(type->folderSection) + "]\r\nPathname=" +
               (type == &Format("xplane") ? "D:\\X-Plane\\Output\\FMS plans" : kNoFolder) + "\r\n";
  }
  EXPECT_EQ(switches + folders, Stored());
  EXPECT_EQ(1, BulkSwitch(settings, Format("xplane")));
  EXPECT_TRUE(flags.simulatorsChanged);
  EXPECT_FALSE(flags.exportsChanged);
}

}  // namespace
