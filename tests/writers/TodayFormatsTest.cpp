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

// Nadi to Nuku'alofa across the date line: an airport the data did not find at
// a longitude that rounds up to 180 east and an elevation that rounds to -0.00 m,
// a VOR whose identifier loses its accent, a plain position at 180 east with an
// altitude of -0, and an airport whose name was cut after a "_".
void MakeDateLineRoute(RouteTable& route) {
  route = RouteTable{};
  AddTestRow(route, 'A', "NFFN", kAirportNotFoundText, 'S', 17, 45.0, 'E', 179, 59.99999999, -0.01);
  AddTestRow(route, 'V', "\xC9LA", "\xC9LA", 'S', 18, 30.0, 'W', 178, 0.0, 9000);
  AddTestRow(route, 'U', "POS", "POS", 'S', 19, 0.0, 'E', 180, 0.0, -0.0);
  AddTestRow(route, 'A', "NFTF", "Fua'amotu_International_Airport_Tongatapu_Kingdom_", 'S', 21, 14.5, 'W', 175,
             8.95, 126);
  route.cruiseAltitude = 9000;
}

// Each line of `plan` without the blanks it starts with, ended by "\n".
std::string Unindented(const std::string& plan) {
  std::string text;
  for (const std::string& line : LinesOf(plan)) {
    text += line.substr(std::min(line.find_first_not_of(' '), line.size())) + "\n";
  }
  return text;
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
  TestPlan plan;
  MakeDateLineRoute(plan.route);
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
