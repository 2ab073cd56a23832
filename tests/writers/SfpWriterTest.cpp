// The Super Flight Planner plan, byte for byte, with its offsets checked.
#include <string>

#include <gtest/gtest.h>

#include "support/Bytes.h"
#include "support/Files.h"
#include "support/TestRoutes.h"
#include "writers/SfpWriter.h"
#include "writers/WriterTestSupport.h"

namespace {

// Offset of record i in the file.
constexpr std::size_t RecordAt(std::size_t i) { return 8 + 197 * i; }

TEST(SfpWriter, ZurichGenevaOverTraMatchesTheGoldenFile) {
  TestPlan zurichGeneva = ZurichGenevaPlan();
  std::string plan = WrittenBy(zurichGeneva, WriteSfpPlan);
  EXPECT_TRUE(MatchesGolden(plan, "sfp/zurich-geneva.pln"));

  ASSERT_EQ(599u, plan.size());
  EXPECT_EQ(std::string("\x80\x0F\x02\x00\x57\x02\x00\x00", 8), plan.substr(0, 8));
  const struct {
    int32_t code;
    const char* ident;
    const char* name;
  } records[] = {{4, "LSZH", "Zurich"}, {3, "TRA", "TRA"}, {4, "LSGG", "Geneva"}};
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(records[i].ident);
    const WaypointRow& row = zurichGeneva.route.rows[i];
    EXPECT_EQ(records[i].code, Int32At(plan, RecordAt(i)));
    EXPECT_EQ(row.latitude, DoubleAt(plan, RecordAt(i) + 4));
    EXPECT_EQ(row.longitude, DoubleAt(plan, RecordAt(i) + 12));
    EXPECT_EQ(row.altitude, DoubleAt(plan, RecordAt(i) + 20));
    EXPECT_EQ(std::string(records[i].ident), FieldAt(plan, RecordAt(i) + 36, 6).c_str());
    EXPECT_EQ(std::string(records[i].name), FieldAt(plan, RecordAt(i) + 42, 31).c_str());
    // Frequency and everything from the planner values on are zero after a build.
    EXPECT_EQ(std::string(8, '\0'), FieldAt(plan, RecordAt(i) + 28, 8));
    EXPECT_EQ(std::string(124, '\0'), FieldAt(plan, RecordAt(i) + 73, 124));
  }
}

TEST(SfpWriter, TwoAirportRouteGivesTwoAirportRecordsIn402Bytes) {
  std::string plan = WrittenBy(TwoAirportPlan(), WriteSfpPlan);
  EXPECT_TRUE(MatchesGolden(plan, "sfp/two-airports.pln"));
  ASSERT_EQ(402u, plan.size());
  EXPECT_EQ(402, Int32At(plan, 4));
  EXPECT_EQ(4, Int32At(plan, RecordAt(0)));
  EXPECT_EQ(4, Int32At(plan, RecordAt(1)));
}

}  // namespace
