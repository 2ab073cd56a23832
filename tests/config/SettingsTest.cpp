// Loading the program settings from a real configuration file, with every default
// and folder fallback, and writing keys back into it.
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "config/Settings.h"
#include "host/StdioFileSystem.h"
#include "support/Files.h"
#include "support/TestPorts.h"

namespace {

constexpr const char* kKey7 = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0";
constexpr const char* kKey8 = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
constexpr const char* kNoFile = "Please select a valid path and filename";
constexpr const char* kNoFolder = "Please select a valid path";
constexpr const char* kCurrentFolder = "C:\\Where\\It\\Runs";

// The registry's row of the format the converter names `key`.
const ExportType& Format(std::string_view key) {
  const ExportType* type = FindExportTypeByKey(key);
  if (type == nullptr) throw std::invalid_argument("no format " + std::string(key));
  return *type;
}

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() : configPath(folder.File("PlanTransit.cfg")) {
    t.environment.variables["PLANTRANSIT_CONFIG"] = configPath;
    t.environment.currentFolder = kCurrentFolder;
  }

  void Store(const std::string& text) { WriteBytes(configPath, text); }
  // The configuration file on disk, placed by the test's environment.
  ConfigurationPorts Configuration() { return {disk, t.environment}; }

  // Loads into a record full of stale bytes, so a field that is not filled shows.
  const ProgramSettings& Load() {
    std::memset(&settings, 'x', sizeof settings);
    LoadSettings(Configuration(), t.registry, settings);
    return settings;
  }

  TemporaryFolder folder;
  StdioFileSystem disk;
  TestPorts t;
  ProgramSettings settings{};
  std::string configPath;
};

void ExpectEveryDefault(const ProgramSettings& s, const std::string& msfsDir) {
  EXPECT_EQ(1, s.menuOption);
  EXPECT_EQ(1, s.mouseOption);
  EXPECT_EQ(1, s.showToolbar);
  EXPECT_EQ(1, s.showStatusbar);
  EXPECT_EQ(1, s.showTooltips);
  EXPECT_EQ(0, s.autogenMode);
  EXPECT_EQ(0, s.defaultFlightType);
  EXPECT_EQ(1, s.defaultRouteType);
  EXPECT_EQ(0, s.airportSource);
  EXPECT_EQ(1, s.exportType);
  EXPECT_STREQ("Fsb_apts.txt", s.airportFilePath);
  EXPECT_STREQ("Fsb_apts.txt", s.airportFileName);
  EXPECT_STREQ(kNoFile, s.sourceFilePath);
  EXPECT_STREQ(kNoFile, s.sourceFileName);
  EXPECT_STREQ(kNoFile, s.destFilePath);
  EXPECT_STREQ(kNoFile, s.destFileName);
  EXPECT_STREQ(kNoFolder, s.defaultSourceDir);
  EXPECT_STREQ(kNoFolder, s.defaultDestDir);
  // Only the Flight Simulator's plans default to a folder of their own.
  for (const ExportType& type : kExportTypes) {
    SCOPED_TRACE(type.name);
    EXPECT_EQ(0, BulkSwitch(s, type));
    EXPECT_EQ(&type == &Format("msfs") ? msfsDir : kNoFolder, BulkFolder(s, type));
  }
}

// The Save all folders of every format but the Flight Simulator's.
void ExpectOtherBulkFolders(const ProgramSettings& s, const std::string& folder) {
  for (const ExportType& type : kExportTypes) {
    if (&type == &Format("msfs")) continue;
    SCOPED_TRACE(type.name);
    EXPECT_EQ(folder, BulkFolder(s, type));
  }
}

TEST_F(SettingsTest, NoFileAtAllGivesEveryDefaultAndThePlaceholderTexts) {
  ExpectEveryDefault(Load(), kNoFolder);
  EXPECT_EQ("", folder.Listing()) << "loading must not create the file";
}

TEST_F(SettingsTest, UnreadableFileGivesEveryDefault) {
  std::filesystem::create_directory(configPath);
  ExpectEveryDefault(Load(), kNoFolder);
}

TEST_F(SettingsTest, NoPlaceForTheFileGivesEveryDefault) {
  t.environment.variables.clear();
  ExpectEveryDefault(Load(), kNoFolder);
}

struct RegisteredCase {
  const char* name;
  const char* folder7;  // null: not registered
  const char* folder8;
  std::string msfsDir;
};

TEST_F(SettingsTest, NoFileTakesTheFlightSimulatorFolderFromTheRegistry) {
  const std::string longFolder(250, 'f');
  const RegisteredCase cases[] = {
      {"both keys: 2000 wins", "C:\\FS2000", "C:\\FS2002", "C:\\FS2000\\Flights\\MyFlts"},
      {"only 8.0", nullptr, "C:\\FS2002", "C:\\FS2002\\Flights\\MyFlts"},
      {"none", nullptr, nullptr, kNoFolder},
      {"a folder ending in a separator keeps it", "C:\\FS2000\\", nullptr, "C:\\FS2000\\\\Flights\\MyFlts"},
      {"a folder too long for the plan folder falls back", longFolder.c_str(), nullptr, kNoFolder},
  };
  for (const RegisteredCase& c : cases) {
    SCOPED_TRACE(c.name);
    t.registry.values.clear();
    if (c.folder7 != nullptr) t.registry.Set(kKey7, "path", c.folder7);
    if (c.folder8 != nullptr) t.registry.Set(kKey8, "path", c.folder8);
    ExpectEveryDefault(Load(), c.msfsDir);
  }
}

TEST_F(SettingsTest, EmptyDefDestDirSendsBulkFoldersToTheCurrentFolder) {
  Store("[DefDestDir]\r\nPathname=\r\n");
  const ProgramSettings& s = Load();
  EXPECT_STREQ("", s.defaultDestDir);
  EXPECT_STREQ(kCurrentFolder, BulkFolder(s, Format("msfs")));
  ExpectOtherBulkFolders(s, kCurrentFolder);
}

TEST_F(SettingsTest, EmptyDefDestDirLeavesTheRegisteredFlightSimulatorFolder) {
  Store("[DefDestDir]\r\nPathname=\r\n");
  t.registry.Set(kKey8, "path", "D:\\FS2002");
  const ProgramSettings& s = Load();
  EXPECT_STREQ("D:\\FS2002\\Flights\\MyFlts", BulkFolder(s, Format("msfs")));
  ExpectOtherBulkFolders(s, kCurrentFolder);
}

TEST_F(SettingsTest, CurrentFolderThatCannotBeFoundLeavesTheFolderEmpty) {
  Store("[DefDestDir]\r\nPathname=\r\n");
  t.environment.currentFolder = "";
  const ProgramSettings& s = Load();
  EXPECT_STREQ("", BulkFolder(s, Format("msfs")));
  ExpectOtherBulkFolders(s, "");
}

TEST_F(SettingsTest, EmptyDefMsfsDirBehavesLikeAMissingKey) {
  Store("[DefDestDir]\r\nPathname=D:\\Plans\r\n[DefMSFSDir]\r\nPathname=\r\n");
  EXPECT_STREQ("D:\\Plans", BulkFolder(Load(), Format("msfs")));
  t.registry.Set(kKey7, "path", "C:\\FS2000");
  EXPECT_STREQ("C:\\FS2000\\Flights\\MyFlts", BulkFolder(Load(), Format("msfs")));
}

TEST_F(SettingsTest, StoredFoldersAreTakenAsStoredAndMissingOnesCopyTheDestinationFolder) {
  Store("[DefDestDir]\r\nPathname=D:\\Plans\r\n"
        "[DefMSFSDir]\r\nPathname=E:\\Msfs\r\n"
        "[DefNAVDir]\r\nPathname=E:\\Nav\r\n"
        "[DefSQBDir]\r\nPathname=E:\\Sqb\r\n");
  t.registry.Set(kKey7, "path", "C:\\FS2000");
  const ProgramSettings& s = Load();
  EXPECT_STREQ("E:\\Msfs", BulkFolder(s, Format("msfs")));
  EXPECT_STREQ("E:\\Nav", BulkFolder(s, Format("nav")));
  EXPECT_STREQ("D:\\Plans", BulkFolder(s, Format("acs-gps")));
  EXPECT_STREQ("D:\\Plans", BulkFolder(s, Format("rc99")));
  EXPECT_STREQ("E:\\Sqb", BulkFolder(s, Format("sqb")));
  EXPECT_STREQ("D:\\Plans", BulkFolder(s, Format("sfp")));
}

TEST_F(SettingsTest, EveryKeyIsReadFromItsSection) {
  Store("[Startup]\r\nMenuoption=0\r\nMouseoption=0\r\nToolbar=0\r\nStatusbar=0\r\nTooltips=0\r\n"
        "Autogen=2\r\nFilterIndex=7\r\nACS-GPS=1\r\nNAV=2\r\nMSFS=3\r\nRC99=4\r\nSQB=5\r\nSFP=6\r\n"
        "[DefFlightType]\r\nFlighttype=1\r\n[DefRouteType]\r\nRoutetype=3\r\n[DefDataSource]\r\nDatasource=1\r\n"
        "[AirpFile]\r\nPathname=D:\\Data\\apts.txt\r\nFilename=apts.txt\r\n"
        "[SrceFile]\r\nPathname=D:\\In\\lszh.txt\r\nFilename=lszh.txt\r\n"
        "[DestFile]\r\nPathname=D:\\Out\\lszh.pln\r\nFilename=lszh.pln\r\n"
        "[DefSrceDir]\r\nPathname=D:\\In\r\n[DefDestDir]\r\nPathname=D:\\Out\r\n"
        "[DefMSFSDir]\r\nPathname=E:\\1\r\n[DefNAVDir]\r\nPathname=E:\\6\r\n[DefACSGPSDir]\r\nPathname=E:\\2\r\n"
        "[DefRC99Dir]\r\nPathname=E:\\3\r\n[DefSQBDir]\r\nPathname=E:\\4\r\n[DefSFPDir]\r\nPathname=E:\\5\r\n");
  const ProgramSettings& s = Load();
  EXPECT_EQ(0, s.menuOption);
  EXPECT_EQ(0, s.mouseOption);
  EXPECT_EQ(0, s.showToolbar);
  EXPECT_EQ(0, s.showStatusbar);
  EXPECT_EQ(0, s.showTooltips);
  EXPECT_EQ(2, s.autogenMode);
  EXPECT_EQ(1, s.defaultFlightType);
  EXPECT_EQ(3, s.defaultRouteType);
  EXPECT_EQ(1, s.airportSource);
  EXPECT_EQ(7, s.exportType);
  EXPECT_EQ(1, BulkSwitch(s, Format("acs-gps")));
  EXPECT_EQ(2, BulkSwitch(s, Format("nav")));
  EXPECT_EQ(3, BulkSwitch(s, Format("msfs")));
  EXPECT_EQ(4, BulkSwitch(s, Format("rc99")));
  EXPECT_EQ(5, BulkSwitch(s, Format("sqb")));
  EXPECT_EQ(6, BulkSwitch(s, Format("sfp")));
  EXPECT_STREQ("D:\\Data\\apts.txt", s.airportFilePath);
  EXPECT_STREQ("apts.txt", s.airportFileName);
  EXPECT_STREQ("D:\\In\\lszh.txt", s.sourceFilePath);
  EXPECT_STREQ("lszh.txt", s.sourceFileName);
  EXPECT_STREQ("D:\\Out\\lszh.pln", s.destFilePath);
  EXPECT_STREQ("lszh.pln", s.destFileName);
  EXPECT_STREQ("D:\\In", s.defaultSourceDir);
  EXPECT_STREQ("D:\\Out", s.defaultDestDir);
  EXPECT_STREQ("E:\\1", BulkFolder(s, Format("msfs")));
  EXPECT_STREQ("E:\\6", BulkFolder(s, Format("nav")));
  EXPECT_STREQ("E:\\2", BulkFolder(s, Format("acs-gps")));
  EXPECT_STREQ("E:\\3", BulkFolder(s, Format("rc99")));
  EXPECT_STREQ("E:\\4", BulkFolder(s, Format("sqb")));
  EXPECT_STREQ("E:\\5", BulkFolder(s, Format("sfp")));
}

TEST_F(SettingsTest, KeysAndSectionsInOtherLetterCasesAreTheSame) {
  Store("[STARTUP]\r\nmenuOPTION=0\r\n[airpfile]\r\nPATHNAME=D:\\apts.txt\r\n[defdestdir]\r\npathname=D:\\Out\r\n");
  const ProgramSettings& s = Load();
  EXPECT_EQ(0, s.menuOption);
  EXPECT_STREQ("D:\\apts.txt", s.airportFilePath);
  EXPECT_STREQ("D:\\Out", BulkFolder(s, Format("sfp")));
}

TEST_F(SettingsTest, DataSourceWrittenIsReadBackAsDatasource) {
  ASSERT_TRUE(WriteSettingInt(Configuration(), "DefDataSource", "DataSource", 1));
  EXPECT_EQ("[DefDataSource]\r\nDataSource=1\r\n", ReadBytes(configPath));
  EXPECT_EQ(1, Load().airportSource);
}

TEST_F(SettingsTest, RoutetypeSevenStaysSevenAndIsWrittenBackAsSeven) {
  Store("[DefRouteType]\r\nRoutetype=7\r\n");
  EXPECT_EQ(7, Load().defaultRouteType);
  ASSERT_TRUE(WriteSettingInt(Configuration(), "DefRouteType", "Routetype", settings.defaultRouteType));
  EXPECT_EQ("[DefRouteType]\r\nRoutetype=7\r\n", ReadBytes(configPath));
}

TEST_F(SettingsTest, ValueOf300CharactersIsCutTo259) {
  Store("[SrceFile]\r\nPathname=" + std::string(300, 'p') + "\r\n");
  EXPECT_EQ(std::string(259, 'p'), Load().sourceFilePath);
}

TEST_F(SettingsTest, IntegerIsReadFromItsLeadingDigits) {
  Store("[Startup]\r\nAutogen=12abc\r\nFilterIndex=abc\r\nMSFS=\r\n");
  const ProgramSettings& s = Load();
  EXPECT_EQ(12, s.autogenMode);
  EXPECT_EQ(0, s.exportType) << "present without digits";
  EXPECT_EQ(0, BulkSwitch(s, Format("msfs"))) << "present and empty: the default";
}

TEST_F(SettingsTest, WritingKeepsCommentsUnknownKeysOrderAndLineEndsByteForByte) {
  const std::string before =
      "; PlanTransit settings, edited by hand\r\n"
      "[Startup]\r\n"
      "Menuoption=1\n"
      "  MyOwnKey = keep me  \r\n"
      "\r\n"
      "[Unknown Section]\r\n"
      "Pathname=not ours\r\n"
      "[DefDestDir]\r\n"
      "; the folder below is where plans go\r\n"
      "Pathname = D:\\Old\\Plans\r\n"
      "Extra=1\r\n";
  Store(before);
  ASSERT_TRUE(WriteSettingText(Configuration(), "DefDestDir", "Pathname", "D:\\New"));
  ASSERT_TRUE(WriteSettingInt(Configuration(), "Startup", "Autogen", 2));
  const std::string after =
      "; PlanTransit settings, edited by hand\r\n"
      "[Startup]\r\n"
      "Menuoption=1\n"
      "  MyOwnKey = keep me  \r\n"
      "Autogen=2\r\n"
      "\r\n"
      "[Unknown Section]\r\n"
      "Pathname=not ours\r\n"
      "[DefDestDir]\r\n"
      "; the folder below is where plans go\r\n"
      "Pathname = D:\\New\r\n"
      "Extra=1\r\n";
  EXPECT_EQ(after, ReadBytes(configPath));
  EXPECT_EQ("PlanTransit.cfg;", folder.Listing());
}

TEST_F(SettingsTest, SaveLastFilesWritesItsSevenKeysInOrder) {
  Load();
  ProgramSettings& s = settings;
  std::strcpy(s.airportFilePath, "D:\\Data\\Fsb_apts.txt");
  std::strcpy(s.sourceFilePath, "D:\\In\\LSZH-LSGG.txt");
  std::strcpy(s.sourceFileName, "LSZH-LSGG.txt");
  std::strcpy(s.destFilePath, "D:\\Out\\LSZH-LSGG.pln");
  std::strcpy(s.destFileName, "LSZH-LSGG.pln");
  s.exportType = 4;
  ASSERT_TRUE(SaveLastFiles(Configuration(), settings));
  EXPECT_TRUE(MatchesGolden(ReadBytes(configPath), "config/last-files.cfg"));

  ProgramSettings saved = s;
  const ProgramSettings& reloaded = Load();
  EXPECT_STREQ(saved.airportFilePath, reloaded.airportFilePath);
  EXPECT_STREQ(saved.sourceFileName, reloaded.sourceFileName);
  EXPECT_STREQ(saved.destFilePath, reloaded.destFilePath);
  EXPECT_EQ(4, reloaded.exportType);
}

TEST_F(SettingsTest, SaveLastFilesReplacesTheOldValuesAndNothingElse) {
  Store("[Startup]\r\nFilterIndex=1\r\nMSFS=1\r\n[SrceFile]\r\nPathname=old\r\nFilename=old\r\n");
  Load();
  std::strcpy(settings.sourceFilePath, "new");
  settings.exportType = 6;
  ASSERT_TRUE(SaveLastFiles(Configuration(), settings));
  EXPECT_EQ("[Startup]\r\nFilterIndex=6\r\nMSFS=1\r\n[SrceFile]\r\nPathname=new\r\nFilename=old\r\n"
            "\r\n[AirpFile]\r\nPathname=Fsb_apts.txt\r\nFilename=Fsb_apts.txt\r\n"
            "\r\n[DestFile]\r\nPathname=Please select a valid path and filename\r\n"
            "Filename=Please select a valid path and filename\r\n",
            ReadBytes(configPath));
}

TEST(SettingsWriteFailureTest, SaveLastFilesSaysWhenAWriteFailedAndStillWritesTheRest) {
  TestPorts t;
  ProgramSettings settings{};
  t.environment.variables["PLANTRANSIT_CONFIG"] = "PlanTransit.cfg";
  LoadSettings(t.Configuration(), t.registry, settings);
  t.files.FailWrite(1);
  EXPECT_FALSE(SaveLastFiles(t.Configuration(), settings));
  EXPECT_EQ("[AirpFile]\r\nFilename=Fsb_apts.txt\r\n\r\n[SrceFile]\r\n"
            "Pathname=Please select a valid path and filename\r\nFilename=Please select a valid path and filename\r\n"
            "\r\n[DestFile]\r\nPathname=Please select a valid path and filename\r\n"
            "Filename=Please select a valid path and filename\r\n\r\n[Startup]\r\nFilterIndex=1\r\n",
            t.files.files["PlanTransit.cfg"]);
}

TEST(SettingsWriteFailureTest, WritesFailWhenThereIsNoPlaceForTheFile) {
  TestPorts t;
  ProgramSettings settings{};
  LoadSettings(t.Configuration(), t.registry, settings);
  EXPECT_FALSE(SaveLastFiles(t.Configuration(), settings));
  EXPECT_FALSE(WriteSettingText(t.Configuration(), "Startup", "Menuoption", "1"));
  EXPECT_FALSE(WriteSettingInt(t.Configuration(), "Startup", "Menuoption", 1));
  EXPECT_TRUE(t.files.files.empty());
}

#ifdef _WIN32
// The per-user place and the old file in the Windows folder, as the program finds
// them on Windows.
class WindowsSettingsTest : public SettingsTest {
 protected:
  WindowsSettingsTest()
      : oldPath(folder.File("Windows\\PlanTransit.cfg")),
        perUserPath(folder.File("AppData\\PlanTransit\\PlanTransit.cfg")) {
    t.environment.variables.clear();
    t.environment.variables["APPDATA"] = folder.File("AppData");
    t.environment.windowsFolder = folder.File("Windows");
    std::filesystem::create_directory(folder.Path() / "Windows");
    std::filesystem::create_directory(folder.Path() / "AppData");
  }

  std::string oldPath;
  std::string perUserPath;
};

TEST_F(WindowsSettingsTest, OldFileInTheWindowsFolderIsReadWhileThePerUserOneIsMissing) {
  WriteBytes(oldPath, "[Startup]\r\nMSFS=1\r\n[DefDestDir]\r\nPathname=D:\\Plans\r\n");
  const ProgramSettings& s = Load();
  EXPECT_EQ(1, BulkSwitch(s, Format("msfs")));
  EXPECT_STREQ("D:\\Plans", s.defaultDestDir);
}

TEST_F(WindowsSettingsTest, FirstWriteGoesToThePerUserFileAndCarriesTheOldSettingsOver) {
  const std::string old = "[Startup]\r\nMSFS=1\r\n";
  WriteBytes(oldPath, old);
  Load();
  settings.exportType = 3;
  ASSERT_TRUE(SaveLastFiles(Configuration(), settings));
  EXPECT_EQ(old, ReadBytes(oldPath)) << "the old file is never written";
  const ProgramSettings& s = Load();
  EXPECT_EQ(1, BulkSwitch(s, Format("msfs")));
  EXPECT_EQ(3, s.exportType);
  EXPECT_EQ(0, ReadBytes(perUserPath).find("[Startup]\r\nMSFS=1\r\nFilterIndex=3\r\n"));
}

TEST_F(WindowsSettingsTest, PerUserFileWinsOnceItExists) {
  WriteBytes(oldPath, "[Startup]\r\nMSFS=1\r\n");
  ASSERT_TRUE(WriteSettingInt(Configuration(), "Startup", "MSFS", 0));
  EXPECT_EQ(0, BulkSwitch(Load(), Format("msfs")));
}
#endif

}  // namespace
