// The airport lookup through the ports: its failure table with the search loop,
// the runway lists and the proposed runway, and the edges of the data file.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/AirportLookup.h"
#include "support/TestPlans.h"
#include "support/TestPorts.h"

namespace {

using Entries = std::vector<std::string>;

constexpr const char* kSearchQuestion =
    "Failed to open Airport/Runway Data file Fsb_apts.txt!\nDo you want to search for it?";

AirportLookupPorts LookupPorts(TestPorts& t) { return {t.files, t.environment, t.messages, t.dialogs, t.airports}; }

class AirportLookupTest : public ::testing::Test {
 protected:
  AirportLookupTest() : file(SetUpZurichGeneva(t.files).airportFile) {}

  void SetDataFile(const std::vector<std::string>& lines) { t.files.files[kAirportPath] = Lines(lines); }

  AirportFound Lookup(const char* ident) {
    AirportFound found = LookupAirport(LookupPorts(t), file, ident);
    EXPECT_EQ(0, t.files.openInputs) << "the data file is closed after the lookup";
    return found;
  }

  TestPorts t;
  AirportFile file;
};

TEST_F(AirportLookupTest, TakesNameElevationAndRunwaysOfEachAirportFromItsLine) {
  struct AirportCase {
    const char* ident;
    const char* name;
    int32_t elevation;
    Entries runways;
    const char* proposed;
  } cases[] = {
      {"LSZH", "Zurich", 1416, {"16 12139 ", "28 8202 ", "34 11155 "}, "16 12139 "},
      {"LSGG", "Geneva", 1411, {"05 12795 ", "23 12795 "}, "05 12795 "},
  };
  for (const AirportCase& c : cases) {
    SCOPED_TRACE(c.ident);
    AirportFound found = Lookup(c.ident);
    EXPECT_STREQ(c.name, found.name);
    EXPECT_TRUE(found.hasElevation);
    EXPECT_EQ(c.elevation, found.elevation);
    EXPECT_EQ(c.runways, found.runways.entries);
    EXPECT_STREQ(c.proposed, found.runways.proposed);
  }
  EXPECT_TRUE(t.messages.Messages().empty());
  EXPECT_STREQ(kAirportPath, file.path);
  EXPECT_STREQ(kAirportName, file.name);
}

TEST_F(AirportLookupTest, FailuresGiveTheirTextNoElevationAndNoRunway) {
  struct FailureCase {
    const char* name;
    void (*arrange)(TestPorts&);
    std::vector<RecordedMessage> messages;
    std::string result;
  } cases[] = {
      {"the data file cannot be opened and the user answers No",
       [](TestPorts& t) {
         t.files.files.erase(kAirportPath);
         t.messages.Answer(MessageAnswer::No);
       },
       {{kSearchQuestion, MessageKind::Warning, MessageButtons::YesNo}},
       "Error reading Airport/Runway Data file!"},
      {"the data file exists but cannot be opened",
       [](TestPorts& t) {
         t.files.unreadable.insert(kAirportPath);
         t.messages.Answer(MessageAnswer::No);
       },
       {{kSearchQuestion, MessageKind::Warning, MessageButtons::YesNo}},
       "Error reading Airport/Runway Data file!"},
      {"a read error before the airport's line",
       [](TestPorts& t) { t.files.readErrorAt[kAirportPath] = {10}; },
       {{"Error while reading from Airport/Runway Data file Fsb_apts.txt", MessageKind::Error,
         MessageButtons::Ok}},
       "Error reading Airport/Runway Data file!"},
      {"no line has the identifier", [](TestPorts& t) { t.files.files[kAirportPath] = Lines({kGenevaAirport}); },
       {},
       "Not found in Airport/Runway Data file!"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestPorts t;
    AirportFile file = SetUpZurichGeneva(t.files).airportFile;
    c.arrange(t);
    AirportFound found = LookupAirport(LookupPorts(t), file, "LSZH");
    EXPECT_EQ(c.result, found.name);
    EXPECT_TRUE(ShowedMessages(t.messages, c.messages));
    EXPECT_FALSE(found.hasElevation) << "the row keeps the altitude of the plan";
    EXPECT_TRUE(found.runways.entries.empty());
    // Zurich's runway of an earlier lookup would be written into this plan.
    EXPECT_STREQ("", found.runways.proposed);
    EXPECT_EQ(0, t.files.openInputs);
  }
}

TEST_F(AirportLookupTest, AReadErrorAfterTheAirportsLineDoesNotMatter) {
  t.files.readErrorAt[kAirportPath] = {std::string(kZurichAirport).size() + 1};
  EXPECT_STREQ("Zurich", Lookup("LSZH").name);
  EXPECT_TRUE(t.messages.Messages().empty());
}

TEST_F(AirportLookupTest, YesOpensTheDialogAndTheChosenFileIsRead) {
  t.files.files.erase(kAirportPath);
  t.files.files["D:\\Other\\apts.txt"] = Lines({kZurichAirport});
  t.messages.Answer(MessageAnswer::Yes);
  t.dialogs.Choose("D:\\Other\\apts.txt", "apts.txt");
  EXPECT_STREQ("Zurich", Lookup("LSZH").name);
  EXPECT_TRUE(ShowedMessages(t.messages, {{kSearchQuestion, MessageKind::Warning, MessageButtons::YesNo}}));
  ASSERT_EQ(1u, t.dialogs.Dialogs().size());
  EXPECT_STREQ("D:\\Other\\apts.txt", file.path);
  EXPECT_STREQ("apts.txt", file.name);
}

TEST_F(AirportLookupTest, YesThenCancelAsksAgainAndNoEndsTheLookup) {
  t.files.files.erase(kAirportPath);
  t.messages.Answer(MessageAnswer::Yes);
  t.dialogs.Cancel();
  t.messages.Answer(MessageAnswer::No);
  EXPECT_STREQ("Error reading Airport/Runway Data file!", Lookup("LSZH").name);
  EXPECT_TRUE(ShowedMessages(t.messages, {{kSearchQuestion, MessageKind::Warning, MessageButtons::YesNo},
                  {kSearchQuestion, MessageKind::Warning, MessageButtons::YesNo}}));
  EXPECT_EQ(1u, t.dialogs.Dialogs().size());
  EXPECT_STREQ(kAirportPath, file.path);
  EXPECT_STREQ(kAirportName, file.name);
}

TEST_F(AirportLookupTest, APickedFileThatStillCannotBeOpenedLeadsToTheQuestionWithItsName) {
  t.files.files.erase(kAirportPath);
  t.messages.Answer(MessageAnswer::Yes);
  t.dialogs.Choose("D:\\gone.txt", "gone.txt");
  t.messages.Answer(MessageAnswer::No);
  EXPECT_STREQ("Error reading Airport/Runway Data file!", Lookup("LSZH").name);
  EXPECT_TRUE(ShowedMessages(t.messages, {{kSearchQuestion, MessageKind::Warning, MessageButtons::YesNo},
                  {"Failed to open Airport/Runway Data file gone.txt!\nDo you want to search for it?",
                   MessageKind::Warning, MessageButtons::YesNo}}));
}

TEST_F(AirportLookupTest, ListsRunwaysInAlphabeticalOrderAndProposesTheFirst) {
  SetDataFile({"LSZH Zurich 1416 CH 47.458 27 09"});
  AirportFound found = Lookup("LSZH");
  EXPECT_EQ((Entries{"09 ", "27 "}), found.runways.entries);
  EXPECT_STREQ("09 ", found.runways.proposed);
}

TEST_F(AirportLookupTest, GivesEveryPartOfARunwayFieldAnEntry) {
  SetDataFile({"LSZH Zurich_Airport 1417 47.458 8.548 10_8202-28_8202 16_12139-34_12139"});
  AirportFound found = Lookup("LSZH");
  EXPECT_STREQ("Zurich_Airport", found.name);
  EXPECT_EQ((Entries{"10 8202 ", "16 12139 ", "28 8202 ", "34 12139 "}), found.runways.entries);
  EXPECT_STREQ("10 8202 ", found.runways.proposed);
}

TEST_F(AirportLookupTest, ALineWithoutRunwayFieldsProposesNoRunway) {
  SetDataFile({"LSZH Zurich 1416 CH 47.458"});
  AirportFound found = Lookup("LSZH");
  EXPECT_STREQ("Zurich", found.name);
  EXPECT_TRUE(found.hasElevation);
  EXPECT_EQ(1416, found.elevation);
  EXPECT_TRUE(found.runways.entries.empty());
  EXPECT_STREQ("", found.runways.proposed);
}

TEST_F(AirportLookupTest, AFieldOfDashesAloneProposesNoRunway) {
  SetDataFile({"LSZH Zurich 1416 CH 47.458 ---"});
  AirportFound found = Lookup("LSZH");
  EXPECT_TRUE(found.runways.entries.empty());
  EXPECT_STREQ("", found.runways.proposed);
}

TEST_F(AirportLookupTest, ProposesAnEntryOfThirtyCharactersButNotOneOfThirtyOne) {
  // Pieces of 9 characters: three give 30 characters with their blanks, then 31.
  SetDataFile({"LSZH Zurich 1416 CH 47.458 123456789_123456789_123456789",
               "LSGG Geneva 1411 CH 46.238 123456789_123456789_1234567890"});
  EXPECT_STREQ("123456789 123456789 123456789 ", Lookup("LSZH").runways.proposed);
  AirportFound geneva = Lookup("LSGG");
  EXPECT_EQ((Entries{"123456789 123456789 1234567890 "}), geneva.runways.entries);
  EXPECT_STREQ("", geneva.runways.proposed) << "never the runway of another airport";
}

TEST_F(AirportLookupTest, TheFirstOfTwoLinesWithTheIdentWins) {
  SetDataFile({"LSZH Zurich 1416 CH 47.458 16", "LSZH Kloten 1500 CH 47.458 28"});
  AirportFound found = Lookup("LSZH");
  EXPECT_STREQ("Zurich", found.name);
  EXPECT_EQ(1416, found.elevation);
  EXPECT_STREQ("16 ", found.runways.proposed);
}

TEST_F(AirportLookupTest, ComparesIdentifiersWithRegardToCase) {
  SetDataFile({"lszh Zurich 1416 CH 47.458 16"});
  EXPECT_STREQ("Not found in Airport/Runway Data file!", Lookup("LSZH").name);
}

TEST_F(AirportLookupTest, ScansTheFileAgainForEachLookupOfTheSameAirport) {
  SetDataFile({kZurichAirport});
  AirportFound first = Lookup("LSZH");
  AirportFound second = Lookup("LSZH");
  EXPECT_EQ(2u, t.files.openedForReading.size());
  EXPECT_EQ(first.runways.entries, second.runways.entries);
  EXPECT_EQ(1416, second.elevation);
}

TEST_F(AirportLookupTest, AnElevationThatIsNoNumberGivesNoElevation) {
  SetDataFile({"LSZH Zurich unknown CH 47.458 16"});
  AirportFound found = Lookup("LSZH");
  EXPECT_STREQ("Zurich", found.name);
  EXPECT_FALSE(found.hasElevation) << "the row keeps the altitude of the plan";
  EXPECT_STREQ("", found.runways.proposed) << "the split stops before the runways";
}

TEST_F(AirportLookupTest, PassesOverLinesWhoseIdentOrNameDoNotFitTheirFields) {
  SetDataFile({"LSZHX1 Long_ident 1 CH 47 99", "LSZH " + std::string(51, 'N') + " 2 CH 47 98",
               "LSZH Zurich 1416 CH 47.458 16"});
  AirportFound found = Lookup("LSZH");
  EXPECT_STREQ("Zurich", found.name);
  EXPECT_STREQ("16 ", found.runways.proposed);
  SetDataFile({"LSZHX1 Long_ident 1 CH 47 99"});
  EXPECT_STREQ("Not found in Airport/Runway Data file!", Lookup("LSZHX").name);
}

TEST_F(AirportLookupTest, ReadsWindowsLineEndsAndALastLineWithoutLineFeed) {
  t.files.files[kAirportPath] = "LSGG Geneva 1411 CH 46.238 05\r\nLSZH Zurich 1416 CH 47.458 16_12139";
  AirportFound found = Lookup("LSZH");
  EXPECT_STREQ("Zurich", found.name);
  EXPECT_EQ((Entries{"16 12139 "}), found.runways.entries);
}

TEST_F(AirportLookupTest, APieceOfALongLineIsALineOfItsOwn) {
  // Read in pieces of 511 characters, the second piece of this line begins with
  // the ident, as it would for the line-by-line reading.
  SetDataFile({"XXXX Filler 1 a b " + std::string(511 - 18, 'f') + "LSZH Zurich 1416 CH 47.458 16"});
  AirportFound found = Lookup("LSZH");
  EXPECT_STREQ("Zurich", found.name);
  EXPECT_STREQ("16 ", found.runways.proposed);
}

TEST_F(AirportLookupTest, ANameCannotBeLongerThanItsField) {
  SetDataFile({"LSZH " + std::string(50, 'N') + " 1416"});
  EXPECT_EQ(std::string(50, 'N'), Lookup("LSZH").name);
}

}  // namespace
