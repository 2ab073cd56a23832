// The airport lookup through the ports: its failure table with the search loop,
// the runway lists and the stored runways, and the edges of the data file.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/AirportLookup.h"
#include "support/TestPlans.h"
#include "support/TestRoutes.h"

namespace {

using Entries = std::vector<std::string>;

constexpr const char* kSearchQuestion =
    "Failed to open Airport/Runway Data file Fsb_apts.txt!\nDo you want to search for it?";

class AirportLookupTest : public ::testing::Test {
 protected:
  AirportLookupTest() {
    SetUpZurichGeneva(t);
    MakeZurichGenevaRoute(t.app.route);
    t.app.route.rows[0].altitude = 0.0;
    t.app.route.rows[2].altitude = 0.0;
    SetRunways("old departure", "old landing");
  }

  void SetRunways(const char* departure, const char* destination) {
    std::snprintf(t.app.route.departureRunway, sizeof t.app.route.departureRunway, "%s", departure);
    std::snprintf(t.app.route.destinationRunway, sizeof t.app.route.destinationRunway, "%s", destination);
  }

  void SetDataFile(const std::vector<std::string>& lines) { t.files.files[kAirportPath] = Lines(lines); }

  std::string Lookup(const char* ident, AirportSide side = AirportSide::Departure) {
    char name[kNameLength + 1] = "unchanged";
    LookupAirport(t.app, ident, side, name);
    EXPECT_EQ(0, t.files.openInputs) << "the data file is closed after the lookup";
    return name;
  }

  const FakeWindow::SortedList& List(int listId) { return t.window.lists[listId]; }

  TestApp t;
};

TEST_F(AirportLookupTest, TakesNameElevationAndRunwaysOfTheDeparture) {
  EXPECT_EQ("Zurich", Lookup("LSZH"));
  EXPECT_DOUBLE_EQ(1416.0, t.app.route.rows[0].altitude);
  EXPECT_EQ((Entries{"16 12139 ", "28 8202 ", "34 11155 "}), List(kDepartureRunwayList).entries);
  EXPECT_EQ(0, List(kDepartureRunwayList).selection);
  EXPECT_TRUE(List(kDepartureRunwayList).redraw);
  EXPECT_EQ("16 12139 ", t.window.texts[kDepartureRunwayList]);
  EXPECT_STREQ("16 12139 ", t.app.route.departureRunway);
  EXPECT_STREQ("old landing", t.app.route.destinationRunway);
  EXPECT_EQ(0u, t.window.lists.count(kLandingRunwayList));
  EXPECT_TRUE(t.messages.Messages().empty());
}

TEST_F(AirportLookupTest, FillsTheLastRowAndTheLandingListForTheDestination) {
  EXPECT_EQ("Geneva", Lookup("LSGG", AirportSide::Destination));
  EXPECT_DOUBLE_EQ(1411.0, t.app.route.rows[2].altitude);
  EXPECT_DOUBLE_EQ(0.0, t.app.route.rows[0].altitude);
  EXPECT_EQ((Entries{"05 12795 ", "23 12795 "}), List(kLandingRunwayList).entries);
  EXPECT_STREQ("05 12795 ", t.app.route.destinationRunway);
  EXPECT_STREQ("old departure", t.app.route.departureRunway);
}

TEST_F(AirportLookupTest, FailuresGiveTheirTextKeepTheRowAndLeaveNoRunway) {
  struct FailureCase {
    const char* name;
    void (*arrange)(TestApp&);
    std::vector<RecordedMessage> messages;
    std::string result;
  } cases[] = {
      {"the data file cannot be opened and the user answers No",
       [](TestApp& t) {
         t.files.files.erase(kAirportPath);
         t.messages.Answer(MessageAnswer::No);
       },
       {{kSearchQuestion, MessageKind::Warning, MessageButtons::YesNo}},
       "Error reading Airport/Runway Data file!"},
      {"the data file exists but cannot be opened",
       [](TestApp& t) {
         t.files.unreadable.insert(kAirportPath);
         t.messages.Answer(MessageAnswer::No);
       },
       {{kSearchQuestion, MessageKind::Warning, MessageButtons::YesNo}},
       "Error reading Airport/Runway Data file!"},
      {"a read error before the airport's line",
       [](TestApp& t) { t.files.readErrorAt[kAirportPath] = {10}; },
       {{"Error while reading from Airport/Runway Data file Fsb_apts.txt", MessageKind::Error,
         MessageButtons::Ok}},
       "Error reading Airport/Runway Data file!"},
      {"no line has the identifier", [](TestApp& t) { t.files.files[kAirportPath] = Lines({kGenevaAirport}); },
       {},
       "Not found in Airport/Runway Data file!"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    SetUpZurichGeneva(t);
    MakeZurichGenevaRoute(t.app.route);
    t.app.route.rows[0].altitude = 777.0;
    c.arrange(t);
    char name[kNameLength + 1] = "unchanged";
    LookupAirport(t.app, "LSZH", AirportSide::Departure, name);
    EXPECT_EQ(c.result, name);
    EXPECT_TRUE(ShowedMessages(t.messages, c.messages));
    EXPECT_DOUBLE_EQ(777.0, t.app.route.rows[0].altitude);
    EXPECT_TRUE(t.window.lists[kDepartureRunwayList].entries.empty());
    // Zurich's runway of an earlier lookup would be written into this plan.
    EXPECT_STREQ("", t.app.route.departureRunway);
    EXPECT_STREQ("23 12795 ", t.app.route.destinationRunway);
    EXPECT_EQ(0, t.files.openInputs);
  }
}

TEST_F(AirportLookupTest, AReadErrorAfterTheAirportsLineDoesNotMatter) {
  t.files.readErrorAt[kAirportPath] = {std::string(kZurichAirport).size() + 1};
  EXPECT_EQ("Zurich", Lookup("LSZH"));
  EXPECT_TRUE(t.messages.Messages().empty());
}

TEST_F(AirportLookupTest, YesOpensTheDialogAndTheChosenFileIsRead) {
  t.files.files.erase(kAirportPath);
  t.files.files["D:\\Other\\apts.txt"] = Lines({kZurichAirport});
  t.messages.Answer(MessageAnswer::Yes);
  t.dialogs.Choose("D:\\Other\\apts.txt", "apts.txt");
  EXPECT_EQ("Zurich", Lookup("LSZH"));
  EXPECT_TRUE(ShowedMessages(t.messages, {{kSearchQuestion, MessageKind::Warning, MessageButtons::YesNo}}));
  ASSERT_EQ(1u, t.dialogs.Dialogs().size());
  EXPECT_STREQ("D:\\Other\\apts.txt", t.app.settings.airportFilePath);
  EXPECT_STREQ("apts.txt", t.app.settings.airportFileName);
}

TEST_F(AirportLookupTest, YesThenCancelAsksAgainAndNoEndsTheLookup) {
  t.files.files.erase(kAirportPath);
  t.messages.Answer(MessageAnswer::Yes);
  t.dialogs.Cancel();
  t.messages.Answer(MessageAnswer::No);
  EXPECT_EQ("Error reading Airport/Runway Data file!", Lookup("LSZH"));
  EXPECT_TRUE(ShowedMessages(t.messages, {{kSearchQuestion, MessageKind::Warning, MessageButtons::YesNo},
                  {kSearchQuestion, MessageKind::Warning, MessageButtons::YesNo}}));
  EXPECT_EQ(1u, t.dialogs.Dialogs().size());
  EXPECT_STREQ(kAirportPath, t.app.settings.airportFilePath);
  EXPECT_STREQ(kAirportName, t.app.settings.airportFileName);
}

TEST_F(AirportLookupTest, APickedFileThatStillCannotBeOpenedLeadsToTheQuestionWithItsName) {
  t.files.files.erase(kAirportPath);
  t.messages.Answer(MessageAnswer::Yes);
  t.dialogs.Choose("D:\\gone.txt", "gone.txt");
  t.messages.Answer(MessageAnswer::No);
  EXPECT_EQ("Error reading Airport/Runway Data file!", Lookup("LSZH"));
  EXPECT_TRUE(ShowedMessages(t.messages, {{kSearchQuestion, MessageKind::Warning, MessageButtons::YesNo},
                  {"Failed to open Airport/Runway Data file gone.txt!\nDo you want to search for it?",
                   MessageKind::Warning, MessageButtons::YesNo}}));
}

TEST_F(AirportLookupTest, ListsRunwaysInAlphabeticalOrderAndStoresTheFirst) {
  SetDataFile({"LSZH Zurich 1416 CH 47.458 27 09"});
  Lookup("LSZH");
  EXPECT_EQ((Entries{"09 ", "27 "}), List(kDepartureRunwayList).entries);
  EXPECT_EQ(0, List(kDepartureRunwayList).selection);
  EXPECT_STREQ("09 ", t.app.route.departureRunway);
}

TEST_F(AirportLookupTest, GivesEveryPartOfARunwayFieldAnEntry) {
  SetDataFile({"LSZH Zurich_Airport 1417 47.458 8.548 10_8202-28_8202 16_12139-34_12139"});
  EXPECT_EQ("Zurich_Airport", Lookup("LSZH"));
  EXPECT_EQ((Entries{"10 8202 ", "16 12139 ", "28 8202 ", "34 12139 "}), List(kDepartureRunwayList).entries);
  EXPECT_STREQ("10 8202 ", t.app.route.departureRunway);
}

TEST_F(AirportLookupTest, ALineWithoutRunwayFieldsLeavesNoStoredRunway) {
  SetDataFile({"LSZH Zurich 1416 CH 47.458"});
  EXPECT_EQ("Zurich", Lookup("LSZH"));
  EXPECT_DOUBLE_EQ(1416.0, t.app.route.rows[0].altitude);
  EXPECT_TRUE(List(kDepartureRunwayList).entries.empty());
  EXPECT_TRUE(List(kDepartureRunwayList).redraw) << "the list is drawn again";
  EXPECT_STREQ("", t.app.route.departureRunway);
  EXPECT_STREQ("old landing", t.app.route.destinationRunway);
}

TEST_F(AirportLookupTest, AFieldOfDashesAloneEmptiesTheStoredRunway) {
  SetDataFile({"LSZH Zurich 1416 CH 47.458 ---"});
  Lookup("LSZH");
  EXPECT_TRUE(List(kDepartureRunwayList).entries.empty());
  EXPECT_STREQ("", t.app.route.departureRunway);
}

TEST_F(AirportLookupTest, StoresAnEntryOfThirtyCharactersButNotOneOfThirtyOne) {
  // Pieces of 9 characters: three give 30 characters with their blanks, then 31.
  SetDataFile({"LSZH Zurich 1416 CH 47.458 123456789_123456789_123456789",
               "LSGG Geneva 1411 CH 46.238 123456789_123456789_1234567890"});
  Lookup("LSZH");
  EXPECT_STREQ("123456789 123456789 123456789 ", t.app.route.departureRunway);
  Lookup("LSGG", AirportSide::Destination);
  EXPECT_EQ((Entries{"123456789 123456789 1234567890 "}), List(kLandingRunwayList).entries);
  EXPECT_EQ(0, List(kLandingRunwayList).selection);
  EXPECT_STREQ("old landing", t.app.route.destinationRunway);
}

TEST_F(AirportLookupTest, TheFirstOfTwoLinesWithTheIdentWins) {
  SetDataFile({"LSZH Zurich 1416 CH 47.458 16", "LSZH Kloten 1500 CH 47.458 28"});
  EXPECT_EQ("Zurich", Lookup("LSZH"));
  EXPECT_DOUBLE_EQ(1416.0, t.app.route.rows[0].altitude);
  EXPECT_STREQ("16 ", t.app.route.departureRunway);
}

TEST_F(AirportLookupTest, ComparesIdentifiersWithRegardToCase) {
  SetDataFile({"lszh Zurich 1416 CH 47.458 16"});
  EXPECT_EQ("Not found in Airport/Runway Data file!", Lookup("LSZH"));
}

TEST_F(AirportLookupTest, ScansTheFileAgainForEachLookupOfTheSameAirport) {
  SetDataFile({kZurichAirport});
  Lookup("LSZH");
  Lookup("LSZH", AirportSide::Destination);
  EXPECT_EQ(2u, t.files.openedForReading.size());
  EXPECT_EQ(List(kDepartureRunwayList).entries, List(kLandingRunwayList).entries);
  EXPECT_DOUBLE_EQ(1416.0, t.app.route.rows[2].altitude);
}

TEST_F(AirportLookupTest, AnElevationThatIsNoNumberLeavesTheRowsAltitude) {
  t.app.route.rows[0].altitude = 1234.0;
  SetDataFile({"LSZH Zurich unknown CH 47.458 16"});
  EXPECT_EQ("Zurich", Lookup("LSZH"));
  EXPECT_DOUBLE_EQ(1234.0, t.app.route.rows[0].altitude);
  EXPECT_STREQ("", t.app.route.departureRunway) << "the split stops before the runways";
}

TEST_F(AirportLookupTest, PassesOverLinesWhoseIdentOrNameDoNotFitTheirFields) {
  SetDataFile({"LSZHX1 Long_ident 1 CH 47 99", "LSZH " + std::string(51, 'N') + " 2 CH 47 98",
               "LSZH Zurich 1416 CH 47.458 16"});
  EXPECT_EQ("Zurich", Lookup("LSZH"));
  EXPECT_STREQ("16 ", t.app.route.departureRunway);
  SetDataFile({"LSZHX1 Long_ident 1 CH 47 99"});
  EXPECT_EQ("Not found in Airport/Runway Data file!", Lookup("LSZHX"));
}

TEST_F(AirportLookupTest, ReadsWindowsLineEndsAndALastLineWithoutLineFeed) {
  t.files.files[kAirportPath] = "LSGG Geneva 1411 CH 46.238 05\r\nLSZH Zurich 1416 CH 47.458 16_12139";
  EXPECT_EQ("Zurich", Lookup("LSZH"));
  EXPECT_EQ((Entries{"16 12139 "}), List(kDepartureRunwayList).entries);
}

TEST_F(AirportLookupTest, APieceOfALongLineIsALineOfItsOwn) {
  // Read in pieces of 511 characters, the second piece of this line begins with
  // the ident, as it would for the line-by-line reading.
  SetDataFile({"XXXX Filler 1 a b " + std::string(511 - 18, 'f') + "LSZH Zurich 1416 CH 47.458 16"});
  EXPECT_EQ("Zurich", Lookup("LSZH"));
  EXPECT_STREQ("16 ", t.app.route.departureRunway);
}

TEST_F(AirportLookupTest, ANameCannotBeLongerThanItsField) {
  SetDataFile({"LSZH " + std::string(50, 'N') + " 1416"});
  EXPECT_EQ(std::string(50, 'N'), Lookup("LSZH"));
}

TEST_F(AirportLookupTest, ALookupWithNoRouteRowsTouchesNoRow) {
  t.app.route = RouteTable{};
  EXPECT_EQ("Zurich", Lookup("LSZH", AirportSide::Destination));
  for (const WaypointRow& row : t.app.route.rows) EXPECT_DOUBLE_EQ(0.0, row.altitude);
}

}  // namespace
