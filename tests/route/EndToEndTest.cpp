// From a FliteStar export on disk to a built route: the sample exports built
// against real data files through the real file port. (The sample that becomes
// a plan on disk is tests/writers/EndToEndTest.cpp.)
#include <cstdio>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "host/StdioFileSystem.h"
#include "route/RouteBuild.h"
#include "support/Files.h"
#include "support/TestPorts.h"

namespace {

std::string ProjectFile(const std::string& relative) { return std::string(PLANTRANSIT_PROJECT_DIR) + "/" + relative; }

class EndToEndTest : public ::testing::Test {
 protected:
  BuiltRoute Build(const std::string& sourcePath, const std::string& airportPath) {
    RouteRequest request{sourcePath.c_str(), "route.txt", {}};
    std::snprintf(request.airportFile.path, kPathSize, "%s", airportPath.c_str());
    std::snprintf(request.airportFile.name, kPathSize, "Fsb_apts.txt");
    return BuildRoute(request, {files, t.messages, t.environment, t.dialogs, t.airports});
  }

  TestPorts t;
  StdioFileSystem files;
  TemporaryFolder folder;
};

TEST_F(EndToEndTest, TheFrankfurtMunichSampleFindsBothAirportsInTheBundledData) {
  BuiltRoute built = Build(ProjectFile("samples/frankfurt-munich.txt"), ProjectFile("data/Fsb_apts.txt"));
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  const RouteTable& route = built.route;
  EXPECT_STREQ("EDDF-FFM-ASPAT-WUR-NUB-ROKIL-EDDM", route.routeText);
  EXPECT_STREQ("Frankfurt_Main_Airport", route.rows[0].name);
  EXPECT_STREQ("Munich_Airport", route.rows[6].name);
  EXPECT_EQ('I', route.rows[2].type);
  EXPECT_EQ('I', route.rows[5].type);
  EXPECT_DOUBLE_EQ(11000.0, route.cruiseAltitude);
  EXPECT_STREQ("07C 13123 ", built.departureRunways.proposed);
  EXPECT_EQ(8u, built.departureRunways.entries.size());
  EXPECT_STREQ("08L 13123 ", built.destinationRunways.proposed);
}

TEST_F(EndToEndTest, TheSanFranciscoSampleReadsUnixLineEndsAndLowerCaseTypes) {
  BuiltRoute built = Build(ProjectFile("samples/san-francisco-los-angeles.txt"), ProjectFile("data/Fsb_apts.txt"));
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  const RouteTable& route = built.route;
  EXPECT_STREQ("KSFO-SJC-PRB-SMO-KLAX", route.routeText);
  EXPECT_EQ('V', route.rows[2].type);
  EXPECT_EQ('N', route.rows[3].type);
  EXPECT_DOUBLE_EQ(-(122 + 22.49 / 60.0), route.rows[0].longitude);
  EXPECT_DOUBLE_EQ(13.0, route.rows[0].altitude);
  EXPECT_STREQ("San_Francisco_International_Airport", route.rows[0].name);
  EXPECT_STREQ("Los_Angeles_International_Airport", route.rows[4].name);
  EXPECT_DOUBLE_EQ(8000.0, route.cruiseAltitude);
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
