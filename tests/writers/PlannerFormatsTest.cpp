// What the two planner formats share: the same record for the same row, apart
// from the intersection's type code, and exact lengths on the real disk whatever
// bytes the doubles hold.
#include <bit>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "host/StdioFileSystem.h"
#include "support/Bytes.h"
#include "support/FakeMessagePort.h"
#include "support/Files.h"
#include "support/TestRoutes.h"
#include "writers/NavWriter.h"
#include "writers/SfpWriter.h"
#include "writers/WriterTestSupport.h"

namespace {

void MakeRouteOverAnIntersection(RouteTable& route) {
  route = RouteTable{};
  AddTestRow(route, 'A', "LSZH", "Zurich", 'N', 47, 27.48, 'E', 8, 32.88, 1416);
  AddTestRow(route, 'I', "AMIKI", "AMIKI", 'N', 47, 5.5, 'E', 7, 58.2, 6000);
  AddTestRow(route, 'A', "LSGG", "Geneva", 'N', 46, 14.28, 'E', 6, 6.54, 1411);
}

TEST(PlannerFormats, AnIntersectionIsNineForSfpAndThirteenForNavAndAllElseIsEqual) {
  TestPlan plan;
  MakeRouteOverAnIntersection(plan.route);
  std::string sfp = WrittenBy(plan, WriteSfpPlan);
  std::string nav = WrittenBy(plan, WriteNavPlan);
  ASSERT_EQ(8u + 197 * 3, sfp.size());
  ASSERT_EQ(8u + 453 * 3, nav.size());
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(plan.route.rows[i].ident);
    std::string sfpRecord = sfp.substr(8 + 197 * i, 197);
    std::string navRecord = nav.substr(8 + 453 * i, 197);
    EXPECT_EQ(sfpRecord.substr(4), navRecord.substr(4));
    EXPECT_EQ(i == 1 ? 9 : 4, Int32At(sfpRecord, 0));
    EXPECT_EQ(i == 1 ? 13 : 4, Int32At(navRecord, 0));
  }
}

TEST(PlannerFormats, EachFormatCodesTheTypeLettersByItsOwnTable) {
  const char types[] = {'A', 'N', 'V', 'I', 'X', 'A'};
  const struct {
    const char* format;
    PlanWriter writer;
    std::size_t entrySize;
    int32_t codes[6];
  } formats[] = {{"SFP", WriteSfpPlan, 197, {4, 1, 3, 9, 9, 4}},
                 {"NAV", WriteNavPlan, 453, {4, 1, 3, 13, 9, 4}}};
  for (const auto& f : formats) {
    SCOPED_TRACE(f.format);
    TestPlan input;
    for (char type : types) AddTestRow(input.route, type, "WPT", "WPT", 'N', 47, 0.0, 'E', 8, 0.0, 0.0);
    std::string plan = WrittenBy(input, f.writer);
    ASSERT_EQ(8 + f.entrySize * 6, plan.size());
    for (std::size_t i = 0; i < 6; ++i) {
      SCOPED_TRACE(types[i]);
      EXPECT_EQ(f.codes[i], Int32At(plan, 8 + f.entrySize * i));
    }
  }
}

// Doubles whose bytes hold line feeds (and a carriage return) must reach the disk
// untranslated: a text-mode stream would lengthen the file.
TEST(PlannerFormats, DoublesHoldingLineFeedBytesKeepTheFileLengthExactOnDisk) {
  const double lineFeedy = std::bit_cast<double>(UINT64_C(0x400A0D0A0A0D0A0A));
  const double altitude = std::bit_cast<double>(UINT64_C(0x40A00A0A0A0A0A0A));
  ASSERT_GT(lineFeedy, 3.0);
  ASSERT_LT(lineFeedy, 3.5);

  const struct {
    const char* format;
    PlanWriter writer;
    std::size_t entrySize;
    int32_t secondHeaderField;
  } formats[] = {{"SFP", WriteSfpPlan, 197, 8 + 197 * 3}, {"NAV", WriteNavPlan, 453, 3}};
  for (const auto& f : formats) {
    SCOPED_TRACE(f.format);
    TemporaryFolder folder;
    StdioFileSystem disk;
    FakeMessagePort messages;
    TestPlan input;
    MakeRouteOverAnIntersection(input.route);
    for (std::size_t i = 0; i < 3; ++i) {
      input.route.rows[i].latitude = lineFeedy;
      input.route.rows[i].longitude = -lineFeedy;
      input.route.rows[i].altitude = altitude;
    }
    SavedPlan saved = SavePlan(TypeWrittenBy(f.writer), input.Input(), folder.File("plan.txt").c_str(), "plan.txt",
                               {disk, messages});
    ASSERT_EQ(SaveOutcome::Written, saved.outcome);

    std::string plan = ReadBytes(folder.File("plan.pln"));
    ASSERT_EQ(8 + f.entrySize * 3, plan.size());
    EXPECT_EQ(f.secondHeaderField, Int32At(plan, 4));
    EXPECT_NE(std::string::npos, plan.find('\n'));
    for (std::size_t i = 0; i < 3; ++i) {
      std::size_t record = 8 + f.entrySize * i;
      EXPECT_EQ(std::string("\x0A\x0A\x0D\x0A\x0A\x0D\x0A\x40", 8), FieldAt(plan, record + 4, 8));
      EXPECT_EQ(-lineFeedy, DoubleAt(plan, record + 12));
      EXPECT_EQ(altitude, DoubleAt(plan, record + 20));
    }
  }
}

}  // namespace
