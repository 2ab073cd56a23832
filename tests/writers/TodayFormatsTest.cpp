// The plans of today's simulators byte for byte, for the worked route and for a
// route of every edge, and the rules they are written by: the AIRAC cycle, the
// runway designator, the texts of Windows-1252 names. What real readers take
// from these files is checked in tests/readers.
#include <string>

#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/TestRoutes.h"
#include "support/FakeDatePort.h"
#include "writers/AiracCycle.h"
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
    {WriteGpxPlan, "gpx", ".gpx"},
};

// Santiago to Mendoza, south and west: names in Windows-1252 with "&" and "<",
// an intersection whose ident has a "-" (twice at one place, once elsewhere), a
// plain position below sea level, an NDB, and no runway chosen.
void MakeEveryEdgeRoute(RouteTable& route) {
  route = RouteTable{};
  AddTestRow(route, 'A', "SCEL", "Aeropuerto_Arturo_Merino_Ben\xEDtez_&_<Co>", 'S', 33, 23.48, 'W', 70, 47.13, 1555);
  AddTestRow(route, 'I', "A-1", "A-1", 'S', 33, 10.05, 'W', 70, 30.5, 9000);
  AddTestRow(route, 'U', "POS", "POS", 'S', 33, 0.0, 'W', 71, 59.99, -12.5);
  AddTestRow(route, 'N', "EL", "EL", 'S', 32, 59.01, 'W', 70, 0.01, 12000);
  AddTestRow(route, 'I', "A-1", "A-1", 'S', 33, 10.05, 'W', 70, 30.5, 9000);
  AddTestRow(route, 'I', "A-1", "A-1", 'S', 32, 55.0, 'W', 69, 30.0, 11000);
  AddTestRow(route, 'A', "SAME", "El_Plumerillo", 'S', 32, 49.86, 'W', 68, 47.58, 2310);
  route.cruiseAltitude = 12000;
}

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
    TestPlan plan;
    MakeEveryEdgeRoute(plan.route);
    plan.flightRules = FlightRules::Ifr;
    plan.routeKind = RouteKind::HighAirways;
    EXPECT_TRUE(
        MatchesGolden(WrittenBy(plan, format.writer), std::string(format.golden) + "/every-edge" + format.extension));
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
