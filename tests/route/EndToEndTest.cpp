// From a FliteStar export on disk to a Flight Simulator plan: the sample exports
// built against real data files through the real file port.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/StdioFileSystem.h"
#include "route/RouteBuild.h"
#include "support/Files.h"
#include "support/TestApp.h"
#include "writers/PlanWriters.h"

namespace {

std::string ProjectFile(const std::string& relative) { return std::string(PLANTRANSIT_PROJECT_DIR) + "/" + relative; }

class EndToEndTest : public ::testing::Test {
 protected:
  EndToEndTest() { t.app.host.files = &files; }

  void UseFiles(const std::string& sourcePath, const std::string& airportPath) {
    ProgramSettings& settings = t.app.settings;
    std::snprintf(settings.sourceFilePath, kPathSize, "%s", sourcePath.c_str());
    std::snprintf(settings.sourceFileName, kPathSize, "route.txt");
    std::snprintf(settings.airportFilePath, kPathSize, "%s", airportPath.c_str());
    std::snprintf(settings.airportFileName, kPathSize, "Fsb_apts.txt");
  }

  const WaypointRow& Row(int index) { return t.app.route.rows[index]; }

  TestApp t;
  StdioFileSystem files;
  TemporaryFolder folder;
};

TEST_F(EndToEndTest, TheZurichGenevaSampleBecomesTheGoldenFlightSimulatorPlan) {
  std::string airports = folder.File("airports.txt");
  WriteBytes(airports,
             "LSGG Geneva 1411 CH 46.238 23_12795\r\nLSZH Zurich 1416 CH 47.458 16_12139 28_8202 34_11155\r\n");
  UseFiles(ProjectFile("samples/zurich-geneva.txt"), airports);
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_TRUE(ShowedMessages(t.messages, {}));
  t.window.checked[kVfrRadio] = true;
  t.window.checked[kVorToVorRadio] = true;
  char path[kPathSize];
  char name[kPathSize] = "zurich-geneva.pln";
  std::snprintf(path, sizeof path, "%s", folder.File("zurich-geneva.pln").c_str());
  ASSERT_EQ(1, WriteMsfsPlan(t.app, path, name));
  EXPECT_TRUE(MatchesGolden(ReadBytes(path), "msfs/zurich-geneva.pln"));
}

TEST_F(EndToEndTest, TheFrankfurtMunichSampleFindsBothAirportsInTheBundledData) {
  UseFiles(ProjectFile("samples/frankfurt-munich.txt"), ProjectFile("data/Fsb_apts.txt"));
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_STREQ("EDDF-FFM-ASPAT-WUR-NUB-ROKIL-EDDM", t.app.route.routeText);
  EXPECT_STREQ("Frankfurt_Main_Airport", Row(0).name);
  EXPECT_STREQ("Munich_Airport", Row(6).name);
  EXPECT_EQ('I', Row(2).type);
  EXPECT_EQ('I', Row(5).type);
  EXPECT_DOUBLE_EQ(11000.0, t.app.route.cruiseAltitude);
  EXPECT_STREQ("07C 13123 ", t.app.route.departureRunway);
  EXPECT_EQ(8u, t.window.lists[kDepartureRunwayList].entries.size());
  EXPECT_STREQ("08L 13123 ", t.app.route.destinationRunway);
}

TEST_F(EndToEndTest, TheSanFranciscoSampleReadsUnixLineEndsAndLowerCaseTypes) {
  UseFiles(ProjectFile("samples/san-francisco-los-angeles.txt"), ProjectFile("data/Fsb_apts.txt"));
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_STREQ("KSFO-SJC-PRB-SMO-KLAX", t.app.route.routeText);
  EXPECT_EQ('V', Row(2).type);
  EXPECT_EQ('N', Row(3).type);
  EXPECT_DOUBLE_EQ(-(122 + 22.49 / 60.0), Row(0).longitude);
  EXPECT_DOUBLE_EQ(13.0, Row(0).altitude);
  EXPECT_STREQ("San_Francisco_International_Airport", Row(0).name);
  EXPECT_STREQ("Los_Angeles_International_Airport", Row(4).name);
  EXPECT_DOUBLE_EQ(8000.0, t.app.route.cruiseAltitude);
}

TEST_F(EndToEndTest, AFolderIsNoFileToRead) {
  EXPECT_EQ(nullptr, files.OpenForReading(folder.Path().string().c_str()));
  EXPECT_EQ(nullptr, files.OpenForReading(folder.File("missing.txt").c_str()));
}

TEST_F(EndToEndTest, TheRealFilePortHandsOutTheBytesAsTheyAre) {
  std::string bytes = std::string("a\r\nb\0\x1a\xff", 7);
  WriteBytes(folder.File("bytes.bin"), bytes);
  std::unique_ptr<InputFile> file = files.OpenForReading(folder.File("bytes.bin").c_str());
  ASSERT_NE(nullptr, file);
  char buffer[16];
  EXPECT_EQ(7u, file->Read(buffer, sizeof buffer));
  EXPECT_EQ(bytes, std::string(buffer, 7));
  EXPECT_EQ(0u, file->Read(buffer, sizeof buffer));
  EXPECT_FALSE(file->HasFailed());
}

}  // namespace
