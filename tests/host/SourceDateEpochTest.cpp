// SOURCE_DATE_EPOCH: which texts are epochs, and which UTC day an epoch is.
#include <cstdint>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "host/SourceDateEpoch.h"

namespace {

std::string Describe(const CalendarDate& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d weekday %d", date.year, date.month, date.day,
                date.weekday);
  return text;
}

TEST(UtcDateOf, GivesTheGregorianDayAndWeekdayOfAnInstant) {
  const struct {
    int64_t seconds;
    const char* date;
  } cases[] = {
      {0, "1970-01-01 weekday 4"},
      {86399, "1970-01-01 weekday 4"},
      {86400, "1970-01-02 weekday 5"},
      {951782400, "2000-02-29 weekday 2"},            // a leap day of a century divisible by 400
      {1709164800, "2024-02-29 weekday 4"},
      {1796601600, "2026-12-07 weekday 1"},           // the first second of a Monday
      {1796687999, "2026-12-07 weekday 1"},           // and its last
      {4107542400, "2100-03-01 weekday 1"},           // 2100 has no leap day
      {kLatestEpochSeconds, "9999-12-31 weekday 5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.seconds);
    EXPECT_EQ(c.date, Describe(UtcDateOf(c.seconds)));
  }
}

TEST(ParseEpochSeconds, TakesOnlyPlainDecimalDigitsUpToTheYear9999) {
  const struct {
    const char* text;
    bool valid;
    int64_t seconds;
  } cases[] = {
      {"0", true, 0},
      {"1796601600", true, 1796601600},
      {"00042", true, 42},
      {"253402300799", true, kLatestEpochSeconds},
      {"253402300800", false, 0},
      {"99999999999999999999999999", false, 0},  // would overflow a 64-bit count
      {"", false, 0},
      {"-1", false, 0},
      {"+5", false, 0},
      {" 5", false, 0},
      {"5 ", false, 0},
      {"12abc", false, 0},
      {"1.5", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    int64_t seconds = -7;
    EXPECT_EQ(c.valid, ParseEpochSeconds(c.text, seconds));
    EXPECT_EQ(c.valid ? c.seconds : -7, seconds);
  }
}

}  // namespace
