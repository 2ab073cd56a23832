// The Planner waypoint record: every field at its offset, the bounded text
// fields, and the type code tables' lookup.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "support/Bytes.h"
#include "support/TestRoutes.h"
#include "writers/PlannerRecord.h"

namespace {

constexpr PlannerTypeCode kLetters[] = {{'A', 4}, {'V', 3}};
constexpr PlannerTypeCodeTable kCodes = {kLetters, 9};

std::string RecordOf(const WaypointRow& row) {
  PlannerRecord record;
  std::memset(record.bytes, 0xEE, sizeof record.bytes);  // every byte must be written
  BuildPlannerRecord(row, kCodes, record);
  return std::string(reinterpret_cast<const char*>(record.bytes), sizeof record.bytes);
}

WaypointRow RowWithName(const std::string& name) {
  RouteTable route{};
  AddTestRow(route, 'V', "ABCDE", "", 'S', 33, 56.4, 'W', 151, 10.2, 21.0);
  std::snprintf(route.rows[0].name, sizeof route.rows[0].name, "%s", name.c_str());
  return route.rows[0];
}

TEST(PlannerRecord, PutsEveryFieldAtItsOffset) {
  WaypointRow row = RowWithName("Sydney");
  row.frequency = 112.3;
  for (int i = 0; i < kPlannerValueCount; ++i) row.plannerValues[i] = 1000.0 + i;
  std::string record = RecordOf(row);
  ASSERT_EQ(197u, record.size());
  EXPECT_EQ(3, Int32At(record, 0));
  EXPECT_EQ(row.latitude, DoubleAt(record, 4));
  EXPECT_DOUBLE_EQ(-33.94, DoubleAt(record, 4));
  EXPECT_DOUBLE_EQ(-151.17, DoubleAt(record, 12));
  EXPECT_EQ(21.0, DoubleAt(record, 20));
  EXPECT_EQ(112.3, DoubleAt(record, 28));
  EXPECT_EQ(std::string("ABCDE\0", 6), FieldAt(record, 36, 6));  // five characters and one zero
  EXPECT_EQ(std::string("Sydney") + std::string(25, '\0'), FieldAt(record, 42, 31));
  for (int i = 0; i < kPlannerValueCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(1000.0 + i, DoubleAt(record, 73 + 8 * i));
  }
  EXPECT_EQ(1005.0, DoubleAt(record, 113));  // the sixth value, the heading
  EXPECT_EQ(std::string(12, '\0'), FieldAt(record, 185, 12));
}

TEST(PlannerRecord, NameFieldHoldsTheFirst31BytesWithNoRoomForAZeroAtFull) {
  const struct {
    int length;
    std::string field;
  } cases[] = {
      {0, std::string(31, '\0')},
      {30, std::string(30, 'n') + std::string(1, '\0')},
      {31, std::string(31, 'n')},
      {32, std::string(31, 'n')},
      {50, std::string(31, 'n')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    std::string record = RecordOf(RowWithName(std::string(c.length, 'n')));
    EXPECT_EQ(c.field, FieldAt(record, 42, 31));
    // The field ends where the planner values begin: nothing spills into them.
    EXPECT_EQ(0.0, DoubleAt(record, 73));
  }
}

TEST(PlannerRecord, ShortIdentsAreFilledWithZeros) {
  WaypointRow row = RowWithName("X");
  std::strcpy(row.ident, "Z");
  EXPECT_EQ(std::string("Z\0\0\0\0\0", 6), FieldAt(RecordOf(row), 36, 6));
}

TEST(PlannerTypeCodeOf, GivesTheTablesCodeOrTheCodeOfEveryOtherLetter) {
  EXPECT_EQ(4, PlannerTypeCodeOf('A', kCodes));
  EXPECT_EQ(3, PlannerTypeCodeOf('V', kCodes));
  EXPECT_EQ(9, PlannerTypeCodeOf('N', kCodes));
  EXPECT_EQ(9, PlannerTypeCodeOf('a', kCodes));
  EXPECT_EQ(9, PlannerTypeCodeOf('\0', kCodes));
}

}  // namespace
