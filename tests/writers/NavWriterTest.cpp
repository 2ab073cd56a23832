// The Nav Flight Planner plan, byte for byte, with its offsets checked.
#include <string>

#include <gtest/gtest.h>

#include "support/Bytes.h"
#include "support/Files.h"
#include "support/TestRoutes.h"
#include "writers/NavWriter.h"
#include "writers/WriterTestSupport.h"

namespace {

// Offset of entry i in the file, and of its text block.
constexpr std::size_t EntryAt(std::size_t i) { return 8 + 453 * i; }
constexpr std::size_t TextBlockAt(std::size_t i) { return EntryAt(i) + 197; }

const std::string kTextBlock = std::string("no file", 7) + '\0' + std::string(248, ' ');

TEST(NavWriter, ZurichGenevaOverTraMatchesTheGoldenFile) {
  TestPlan zurichGeneva = ZurichGenevaPlan();
  std::string plan = WrittenBy(zurichGeneva, WriteNavPlan);
  EXPECT_TRUE(MatchesGolden(plan, "nav/zurich-geneva.pln"));

  ASSERT_EQ(1367u, plan.size());
  EXPECT_EQ(std::string("\x24\x27\x00\x00\x03\x00\x00\x00", 8), plan.substr(0, 8));
  const int32_t codes[] = {4, 3, 4};
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(zurichGeneva.route.rows[i].ident);
    EXPECT_EQ(codes[i], Int32At(plan, EntryAt(i)));
    EXPECT_EQ(zurichGeneva.route.rows[i].latitude, DoubleAt(plan, EntryAt(i) + 4));
    EXPECT_EQ(std::string(zurichGeneva.route.rows[i].ident), FieldAt(plan, EntryAt(i) + 36, 6).c_str());
    EXPECT_EQ(kTextBlock, FieldAt(plan, TextBlockAt(i), 256));
  }
}

TEST(NavWriter, TwoAirportRouteGivesTwoEntriesIn914Bytes) {
  std::string plan = WrittenBy(TwoAirportPlan(), WriteNavPlan);
  EXPECT_TRUE(MatchesGolden(plan, "nav/two-airports.pln"));
  ASSERT_EQ(914u, plan.size());
  EXPECT_EQ(2, Int32At(plan, 4));
  EXPECT_EQ(4, Int32At(plan, EntryAt(0)));
  EXPECT_EQ(4, Int32At(plan, EntryAt(1)));
}

}  // namespace
