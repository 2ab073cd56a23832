// The data file is found beside the program, or in the installation's shared
// data folder, when a relative path does not open from the current folder.
#include <string>

#include <gtest/gtest.h>

#include "host/Paths.h"
#include "route/AirportDataFile.h"
#include "route/AirportLookup.h"
#include "support/TestPorts.h"

namespace {

constexpr const char* kData = "LSZH Zurich 1416\n";

class AirportDataFileTest : public ::testing::Test {
 protected:
  AirportDataFileTest() { t.environment.programFolder = "program"; }

  std::string Beside(const char* name) { return std::string("program") + kPathSeparator + name; }

  // The whole content of the opened file; "<none>" when nothing opened.
  std::string Opened(const char* path) {
    std::unique_ptr<InputFile> file = OpenAirportDataFile(t.files, t.environment, path);
    if (file == nullptr) return "<none>";
    std::string content;
    char buffer[64];
    for (std::size_t n; (n = file->Read(buffer, sizeof buffer)) != 0;) content.append(buffer, n);
    return content;
  }

  TestPorts t;
};

TEST_F(AirportDataFileTest, ARelativePathThatOpensAsGivenIsTakenFromTheCurrentFolder) {
  t.files.files["Fsb_apts.txt"] = kData;
  t.files.files[Beside("Fsb_apts.txt")] = "beside the program\n";
  EXPECT_EQ(kData, Opened("Fsb_apts.txt"));
}

TEST_F(AirportDataFileTest, ARelativePathThatDoesNotOpenIsTriedBesideTheProgram) {
  t.files.files[Beside("Fsb_apts.txt")] = kData;
  EXPECT_EQ(kData, Opened("Fsb_apts.txt"));
}

// The .deb installs the converter as /usr/bin/plantransit-convert and the data
// as /usr/share/plantransit/Fsb_apts.txt.
TEST_F(AirportDataFileTest, ARelativePathNotBesideTheProgramIsTriedInTheInstallationsSharedData) {
  const std::string bin = std::string("usr") + kPathSeparator + "bin";
  const std::string shared = bin + kPathSeparator + ".." + kPathSeparator + "share" + kPathSeparator +
                             "plantransit" + kPathSeparator + "Fsb_apts.txt";
  t.environment.programFolder = bin;
  t.files.files[shared] = kData;
  EXPECT_EQ(kData, Opened("Fsb_apts.txt"));

  t.files.files[bin + kPathSeparator + "Fsb_apts.txt"] = "beside the program\n";
  EXPECT_EQ("beside the program\n", Opened("Fsb_apts.txt"));
  t.files.files["Fsb_apts.txt"] = "in the current folder\n";
  EXPECT_EQ("in the current folder\n", Opened("Fsb_apts.txt"));
}

TEST_F(AirportDataFileTest, AnAbsolutePathIsNeverLookedForElsewhere) {
  std::string absolute = std::string(1, kPathSeparator) + "Fsb_apts.txt";
  t.files.files[Beside(absolute.c_str())] = kData;
  t.files.files[Beside("Fsb_apts.txt")] = kData;
  EXPECT_EQ("<none>", Opened(absolute.c_str()));
}

TEST_F(AirportDataFileTest, NothingOpensWithoutAProgramFolderOrWhenTheJoinedPathIsTooLong) {
  t.files.files[Beside("Fsb_apts.txt")] = kData;
  t.environment.programFolder = "";
  EXPECT_EQ("<none>", Opened("Fsb_apts.txt"));

  t.environment.programFolder = std::string(250, 'p');
  t.files.files[t.environment.programFolder + kPathSeparator + "Fsb_apts.txt"] = kData;
  EXPECT_EQ("<none>", Opened("Fsb_apts.txt"));
  // Cut to 259 characters, the shared data path would name this file.
  std::string shared = t.environment.programFolder + kPathSeparator + ".." + kPathSeparator + "share" +
                       kPathSeparator + "plantransit" + kPathSeparator + "Fsb_apts.txt";
  t.files.files[shared.substr(0, kPathSize - 1)] = kData;
  EXPECT_EQ("<none>", Opened("Fsb_apts.txt"));
  EXPECT_EQ("<none>", Opened(""));
}

TEST_F(AirportDataFileTest, TheLookupFindsTheBundledDataBesideTheProgramWithoutAsking) {
  t.files.files[Beside("Fsb_apts.txt")] = "LSZH Zurich 1416 CH 47.458 16_12139\n";
  AirportFile file{"Fsb_apts.txt", "Fsb_apts.txt"};
  AirportFound found = LookupAirport({t.files, t.environment, t.messages, t.dialogs, t.airports}, file, "LSZH");
  EXPECT_STREQ("Zurich", found.name);
  EXPECT_TRUE(t.messages.Messages().empty());
  EXPECT_STREQ("Fsb_apts.txt", file.path);
}

}  // namespace
