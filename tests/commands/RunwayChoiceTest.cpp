// The runway lists: the selection is stored, but only a text that fits the
// 30-character runway field; the list always shows the stored text.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "commands/RunwayChoice.h"
#include "ConversionFixture.h"

namespace {

class RunwayChoiceTest : public ConversionFixture {
 protected:
  RunwayChoiceTest() { SetStoredRunways(); }

  void SetStoredRunways() {
    std::strcpy(t.session.departureRunway.text, "16 12139 ");
    std::strcpy(t.session.destinationRunway.text, "04 12795 ");
    t.session.departureRunway.index = 5;
    t.session.destinationRunway.index = 5;
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
    ChooseRunway(t.session, c.listId);
    const RunwayChoice& choice =
        c.listId == kDepartureRunwayList ? t.session.departureRunway : t.session.destinationRunway;
    EXPECT_EQ(c.stored, choice.text);
    EXPECT_EQ(0, choice.index);
    EXPECT_EQ(c.stored, t.window.texts[c.listId]);
  }
}

// A drop-down list cannot show a text that is none of its entries: the box goes
// back to the entry of the runway still stored, or to none.
TEST_F(RunwayChoiceTest, ATooLongEntrySelectsTheEntryOfTheStoredRunwayAgain) {
  // In the order a sorted list keeps them: the stored runway first, the long entry chosen.
  Offer(kDepartureRunwayList, "16 12139 ");
  t.window.AddListEntry(kDepartureRunwayList, std::string(31, 'R').c_str());
  t.window.SelectListEntry(kDepartureRunwayList, 1);
  ChooseRunway(t.session, kDepartureRunwayList);
  EXPECT_EQ(0, t.window.ListSelection(kDepartureRunwayList));
  EXPECT_STREQ("16 12139 ", t.session.departureRunway.text);

  t.session.departureRunway.text[0] = '\0';
  t.window.SelectListEntry(kDepartureRunwayList, 1);
  ChooseRunway(t.session, kDepartureRunwayList);
  EXPECT_EQ(-1, t.window.ListSelection(kDepartureRunwayList));
}

TEST_F(RunwayChoiceTest, NoSelectionKeepsTheTextAndStoresMinusOne) {
  Offer(kLandingRunwayList, "22 12795 ");
  t.window.SelectListEntry(kLandingRunwayList, -1);
  ChooseRunway(t.session, kLandingRunwayList);
  EXPECT_STREQ("04 12795 ", t.session.destinationRunway.text);
  EXPECT_EQ(-1, t.session.destinationRunway.index);
}

}  // namespace
