// The runway lists: the selection is stored, but only a text that fits the
// 30-character runway field; the list always shows the stored text.
#include <string>

#include <gtest/gtest.h>

#include "commands/RunwayChoice.h"
#include "ConversionFixture.h"

namespace {

class RunwayChoiceTest : public ConversionFixture {
 protected:
  RunwayChoiceTest() { SetStoredRunways(); }

  void SetStoredRunways() {
    std::strcpy(t.app.route.departureRunway, "16 12139 ");
    std::strcpy(t.app.route.destinationRunway, "04 12795 ");
    t.app.route.departureRunwayIndex = 5;
    t.app.route.destinationRunwayIndex = 5;
  }

  void Offer(int listId, const std::string& entry) {
    t.window.ResetList(listId);
    t.window.AddListEntry(listId, entry.c_str());
    t.window.SelectListEntry(listId, 0);
  }
};

struct RunwayCase {
  const char* name;
  int listId;
  std::string entry;
  std::string stored;  // the runway text afterwards
};

TEST_F(RunwayChoiceTest, StoresOnlyEntriesUpToThirtyCharactersAndShowsTheStoredText) {
  const std::string thirty(30, 'R');
  const std::string thirtyOne(31, 'R');
  const RunwayCase cases[] = {
      {"departure", kDepartureRunwayList, "34 12139 ", "34 12139 "},
      {"landing", kLandingRunwayList, "22 12795 ", "22 12795 "},
      {"thirty characters", kDepartureRunwayList, thirty, thirty},
      {"thirty-one characters", kDepartureRunwayList, thirtyOne, "16 12139 "},
      {"thirty-one on landing", kLandingRunwayList, thirtyOne, "04 12795 "},
  };
  for (const RunwayCase& c : cases) {
    SCOPED_TRACE(c.name);
    SetStoredRunways();
    Offer(c.listId, c.entry);
    ChooseRunway(t.app, c.listId);
    const RouteTable& route = t.app.route;
    bool departure = c.listId == kDepartureRunwayList;
    EXPECT_EQ(c.stored, departure ? route.departureRunway : route.destinationRunway);
    EXPECT_EQ(0, departure ? route.departureRunwayIndex : route.destinationRunwayIndex);
    EXPECT_EQ(c.stored, t.window.texts[c.listId]);
  }
}

// A drop-down list cannot show a text that is none of its entries: the box goes
// back to the entry of the runway still stored, or to none.
TEST_F(RunwayChoiceTest, ATooLongEntrySelectsTheEntryOfTheStoredRunwayAgain) {
  Offer(kDepartureRunwayList, std::string(31, 'R'));
  t.window.AddListEntry(kDepartureRunwayList, "16 12139 ");
  t.window.SelectListEntry(kDepartureRunwayList, 1);
  ChooseRunway(t.app, kDepartureRunwayList);
  EXPECT_EQ(0, t.window.ListSelection(kDepartureRunwayList));
  EXPECT_STREQ("16 12139 ", t.app.route.departureRunway);

  t.app.route.departureRunway[0] = '\0';
  t.window.SelectListEntry(kDepartureRunwayList, 1);
  ChooseRunway(t.app, kDepartureRunwayList);
  EXPECT_EQ(-1, t.window.ListSelection(kDepartureRunwayList));
}

TEST_F(RunwayChoiceTest, NoSelectionKeepsTheTextAndStoresMinusOne) {
  Offer(kLandingRunwayList, "22 12795 ");
  t.window.SelectListEntry(kLandingRunwayList, -1);
  ChooseRunway(t.app, kLandingRunwayList);
  EXPECT_STREQ("04 12795 ", t.app.route.destinationRunway);
  EXPECT_EQ(-1, t.app.route.destinationRunwayIndex);
}

}  // namespace
