// The plans of today's simulators byte for byte, for the worked route and for a
// route of every edge, and the rules they are written by: the AIRAC cycle, the
// runway designator, the texts of Windows-1252 names, numbers and names as
// readers take them. What real readers take from these files is checked in
// tests/readers.
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "route/AirportLookup.h"
#include "support/Files.h"
#include "support/TestRoutes.h"
#include "support/FakeDatePort.h"
#include "writers/AiracCycle.h"
#include "writers/GarminUserWriter.h"
#include "writers/GarminWriter.h"
#include "writers/GpxWriter.h"
#include "writers/MsfsXmlWriter.h"
#include "writers/PlanText.h"
#include "writers/RunwayWord.h"
#include "writers/WriterTestSupport.h"
#include "writers/XPlaneWriter.h"

namespace {

struct TodayFormat {
  PlanWriter writer;
  const char* golden;  // folder and extension of its golden files
  const char* extension;
};

constexpr TodayFormat kTodayFormats[] = {
    {WriteMsfsXmlPlan, "msfs2020", ".pln"},
    {WriteXPlanePlan, "xplane", ".fms"},
    {WriteGarminPlan, "garmin", ".fpl"},
    {WriteGarminUserPlan, "garmin-user", ".fpl"},
    {WriteGpxPlan, "gpx", ".gpx"},
};

TEST(TodayFormats, ZurichGenevaMatchesTheGoldenFiles) {
  for (const TodayFormat& format : kTodayFormats) {
    SCOPED_TRACE(format.golden);
    EXPECT_TRUE(MatchesGolden(WrittenBy(ZurichGenevaPlan(), format.writer),
                              std::string(format.golden) + "/zurich-geneva" + format.extension));
  }
}

TEST(TodayFormats, ARouteOfEveryEdgeMatchesTheGoldenFiles) {
  for (const TodayFormat& format : kTodayFormats) {
    SCOPED_TRACE(format.golden);
    TestPlan plan = EveryEdgePlan();
    EXPECT_TRUE(
        MatchesGolden(WrittenBy(plan, format.writer), std::string(format.golden) + "/every-edge" + format.extension));
  }
}

TEST(TodayFormats, NumbersAndNamesAreWrittenAsReadersTakeThem) {
  const struct {
    const char* what;
    PlanWriter writer;
    const char* text;  // lines of the plan, unindented
  } cases[] = {
      {"GPX: 180 east is 180 west", WriteGpxPlan, "<rtept lat=\"-19.000000\" lon=\"-180.000000\">\n"},
      {"GPX: 180 east as written is 180 west, no negative zero", WriteGpxPlan,
       "<rtept lat=\"-17.750000\" lon=\"-180.000000\">\n<ele>0.00</ele>\n"},
      {"GPX: no name for an airport not found", WriteGpxPlan, "<name>NFFN</name>\n<type>Airport</type>\n"},
      {"GPX: its identifier in the route's description", WriteGpxPlan, "<desc>NFFN to Fua'amotu International"},
      {"GPX: no blank after a cut name", WriteGpxPlan,
       "<desc>Fua'amotu International Airport Tongatapu Kingdom</desc>\n"},
      {"Garmin: 180 east is 180 west", WriteGarminPlan, "<lat>-19.000000</lat>\n<lon>-180.000000</lon>\n"},
      {"Garmin: no negative zero, no name for an airport not found", WriteGarminPlan,
       "<lon>-180.000000</lon>\n<elevation>0.00</elevation>\n"},
      {"Garmin: an identifier without its accent names a user waypoint", WriteGarminPlan,
       "<identifier>ELA</identifier>\n<type>USER WAYPOINT</type>\n"},
      {"X-Plane: no negative zero", WriteXPlanePlan, "28 POS DRCT 0.000000 -19.000000 180.000000\n"},
      {"X-Plane: an identifier without its accent names a user waypoint", WriteXPlanePlan,
       "28 ELA DRCT 9000.000000 -18.500000 -178.000000\n"},
  };
  TestPlan plan = DateLinePlan();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string written = Unindented(WrittenBy(plan, c.writer));
    EXPECT_NE(std::string::npos, written.find(c.text)) << written;
  }
}

// The X-Plane header must keep its third line: with no date the cycle is 0000.
TEST(TodayFormats, XPlaneNamesTheCycleOfTheDateOrZeroWithoutOne) {
  TestPlan plan = TwoAirportPlan();
  FakeDatePort dates;
  dates.day = {2020, 12, 31, 4};
  plan.date = ReadConversionDate(&dates);
  EXPECT_EQ("CYCLE 2014", LinesOf(WrittenBy(plan, WriteXPlanePlan))[2]);
  dates.available = false;
  plan.date = ReadConversionDate(&dates);
  EXPECT_EQ("CYCLE 0000", LinesOf(WrittenBy(plan, WriteXPlanePlan))[2]);
}

// Published cycle starts: a cycle takes the year of its first day, so 2020 had 14.
TEST(AiracCycle, NumbersTheCyclesAsPublished) {
  const struct {
    CalendarDate day;
    int cycle;
  } cases[] = {
      {{2019, 1, 3, 0}, 1901},  {{2019, 12, 5, 0}, 1913},  {{2020, 1, 1, 0}, 1913},  {{2020, 1, 2, 0}, 2001},
      {{2020, 12, 30, 0}, 2013}, {{2020, 12, 31, 0}, 2014}, {{2021, 1, 27, 0}, 2014}, {{2021, 1, 28, 0}, 2101},
      {{2024, 2, 29, 0}, 2402},  {{2026, 1, 22, 0}, 2601},  {{2026, 12, 7, 0}, 2612}, {{2026, 12, 24, 0}, 2613},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.day.year) + "-" + std::to_string(c.day.month) + "-" + std::to_string(c.day.day));
    EXPECT_EQ(c.cycle, AiracCycle(c.day));
  }
}

TEST(RunwayDesignator, TakesHeadingsOneToThirtySixWithAnOptionalSide) {
  const struct {
    const char* runway;
    const char* designator;  // "" for none
  } cases[] = {
      {"16 12139 ", "16"}, {"5 3000 ", "05"}, {"05L 12795 ", "05L"}, {"  36R", "36R"}, {"9C", "09C"},
      {"", ""},            {"00 100 ", ""},   {"37", ""},            {"H1 50 ", ""},    {"16X", ""},
      {"123", ""},         {"16LR", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.runway);
    std::string designator = "stale";
    EXPECT_EQ(c.designator[0] != '\0', RunwayDesignator(c.runway, designator));
    EXPECT_EQ(c.designator, designator);
  }
}

TEST(PlanText, Windows1252BecomesUtf8OrPlainAscii) {
  const char* text = "Z\xFCrich \xC6r\xF8 \xDF\x96\xA0\x93q\x94\x81\x01";
  EXPECT_EQ("Z\xC3\xBCrich \xC3\x86r\xC3\xB8 \xC3\x9F\xE2\x80\x93\xC2\xA0\xE2\x80\x9Cq\xE2\x80\x9D??",
            Utf8FromAnsi(text));
  EXPECT_EQ("Zurich AEro ss- \"q\"", AsciiFromAnsi(text));
  EXPECT_EQ("Z\xFCrich Airport", NameWithBlanks("Z\xFCrich_Airport"));
}

}  // namespace
