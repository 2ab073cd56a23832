// The help-ID table of context help: order, contexts and the closing pair.
#include <gtest/gtest.h>

#include <string>

#include "commands/ContextHelpIds.h"

namespace {

TEST(ContextHelpIds, ListsTheTwentyFiveControlsInOrderWithTheirContexts) {
  struct Pair {
    uint32_t control;
    uint32_t context;
  };
  const Pair expected[] = {
      {1030, 0x80660406}, {2, 0x80660002},    {1019, 0x806603FB}, {9, 0x80660009},    {1010, 0x806603F2},
      {1011, 0x806603F3}, {1013, 0x806603F5}, {1014, 0x806603F6}, {1015, 0x806603F7}, {1023, 0x806603FF},
      {1021, 0x806603FD}, {1016, 0x806603F8}, {1024, 0x80660400}, {1022, 0x806603FE}, {1020, 0x806603FC},
      {1033, 0x80660409}, {1002, 0x806603EA}, {1003, 0x806603EA}, {1005, 0x806603ED}, {1006, 0x806603ED},
      {1007, 0x806603ED}, {1008, 0x806603ED}, {1033, 0x80660409}, {1061, 0x80660425}, {118, 0xEAD6},
  };
  static_assert(sizeof expected / sizeof expected[0] == kContextHelpPairCount);
  const uint32_t* table = ContextHelpIds();
  for (int pair = 0; pair < kContextHelpPairCount; ++pair) {
    SCOPED_TRACE("pair " + std::to_string(pair));
    EXPECT_EQ(table[2 * pair], expected[pair].control);
    EXPECT_EQ(table[2 * pair + 1], expected[pair].context);
  }
  EXPECT_EQ(table[2 * kContextHelpPairCount], 0u);
  EXPECT_EQ(table[2 * kContextHelpPairCount + 1], 0u);
}

TEST(ContextHelpIds, ControlsOutsideTheTableHaveNoContext) {
  EXPECT_EQ(HelpContextOf(1052), 0u);  // the animation
  EXPECT_EQ(HelpContextOf(0), 0u);
  EXPECT_EQ(HelpContextOf(1007), 0x806603EDu);
}

}  // namespace
