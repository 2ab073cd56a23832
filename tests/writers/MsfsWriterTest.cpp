// The Microsoft Flight Simulator plan, byte for byte.
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "host/UserLocale.h"
#include "support/Files.h"
#include "support/TestRoutes.h"
#include "writers/MsfsWriter.h"
#include "writers/WriterTestSupport.h"

namespace {

class MsfsWriterTest : public ::testing::Test {
 protected:
  // Writes the plan and returns its bytes.
  std::string Written() { return WrittenBy(plan, WriteMsfsPlan); }

  // The line of the written plan that starts with `key`, without its CR LF.
  std::string Line(const std::string& key) {
    std::string written = Written();
    std::size_t start = written.find("\r\n" + key);
    if (start == std::string::npos) return "<no line " + key + ">";
    start += 2;
    return written.substr(start, written.find("\r\n", start) - start);
  }

  TestPlan plan = ZurichGenevaPlan();
};

TEST_F(MsfsWriterTest, ZurichGenevaOverTraMatchesTheGoldenFile) {
  EXPECT_TRUE(MatchesGolden(Written(), "msfs/zurich-geneva.pln"));
}

TEST_F(MsfsWriterTest, TwoAirportRouteHasThirteenHeaderLinesAndTwoWaypoints) {
  plan = TwoAirportPlan();
  plan.flightRules = FlightRules::Ifr;
  plan.routeKind = RouteKind::HighAirways;
  EXPECT_TRUE(MatchesGolden(Written(), "msfs/two-airports-ifr-high.pln"));
}

// Amsterdam lies 11 ft below sea level: every line that carries its altitude
// gives the sign once, in ten characters, where readers expect it.
TEST_F(MsfsWriterTest, BelowSeaLevelDepartureMatchesTheGoldenFile) {
  plan = TestPlan{};
  RouteTable& route = plan.route;
  AddTestRow(route, 'A', "EHAM", "Amsterdam Airport Schiphol", 'N', 52, 18.48, 'E', 4, 45.83, -11.0);
  AddTestRow(route, 'N', "SPY", "SPY", 'N', 52, 32.4, 'E', 4, 51.17, -0.5);
  AddTestRow(route, 'A', "EHKD", "De Kooy Airfield", 'N', 52, 55.46, 'E', 4, 46.85, 3.0);
  plan.departureRunway = "18R 12467 ";
  EXPECT_TRUE(MatchesGolden(Written(), "msfs/below-sea-level.pln"));
}

TEST_F(MsfsWriterTest, EachFlightAndRouteTypeGivesItsLine) {
  const struct {
    FlightRules flightRules;
    RouteKind routeKind;
    const char* typeLine;
    const char* routeTypeLine;
  } cases[] = {
      {FlightRules::Vfr, RouteKind::DirectGps, "type=VFR", "routetype=0"},
      {FlightRules::Ifr, RouteKind::VorToVor, "type=IFR", "routetype=1"},
      {FlightRules::Vfr, RouteKind::LowAirways, "type=VFR", "routetype=2"},
      {FlightRules::Ifr, RouteKind::HighAirways, "type=IFR", "routetype=3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.routeTypeLine);
    plan.flightRules = c.flightRules;
    plan.routeKind = c.routeKind;
    EXPECT_EQ(c.typeLine, Line("type="));
    EXPECT_EQ(c.routeTypeLine, Line("routetype="));
  }
}

TEST_F(MsfsWriterTest, NoTypeChosenWritesNoLineForIt) {
  plan.flightRules = FlightRules::None;
  plan.routeKind = RouteKind::None;
  std::string written = Written();
  EXPECT_EQ(std::string::npos, written.find("type="));
  EXPECT_NE(std::string::npos, written.find("description=LSZH, LSGG\r\ncruising_altitude=5500\r\n"));
}

TEST_F(MsfsWriterTest, NumbersFollowTheCConversions) {
  plan = TestPlan{};
  RouteTable& route = plan.route;
  AddTestRow(route, 'A', "FOOO", "Foo", 'N', 5, 3.456, 'W', 100, 0.0, -12.5);
  AddTestRow(route, 'I', "X", "X", 's', 0, 59.999, 'e', 8, 9.994, 4000.0);
  AddTestRow(route, 'A', "BARR", "Bar", 'S', 45, 0.0, 'E', 8, 30.0, 0.0);
  route.cruiseAltitude = 5500.9;
  EXPECT_EQ("cruising_altitude=5500", Line("cruising_altitude="));
  // Zero-padded degrees, minutes in at least four places, the sign before the zero padding.
  EXPECT_EQ("departure_id=FOOO, N05* 3.46', W100* 0.00', -000012.50", Line("departure_id="));
  // Hemisphere letters are printed as read; rounding carries into the integer part.
  EXPECT_EQ("waypoint.1=X, I, s00* 60.00', e008* 9.99', +004000.00,", Line("waypoint.1="));
}

TEST_F(MsfsWriterTest, DeparturePositionIsTheFirstWordOfTheRunway) {
  const struct {
    const char* runway;
    const char* line;
  } cases[] = {
      {"16 12139 ", "departure_position=16"},
      {"   09L  ", "departure_position=09L"},
      {"34", "departure_position=34"},
      {"", "departure_position="},   // no runway offered: an empty value, never "(null)"
      {"   ", "departure_position="},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.runway);
    plan.departureRunway = c.runway;
    EXPECT_EQ(c.line, Line("departure_position="));
  }
}

TEST_F(MsfsWriterTest, LongNamesAndIdentsAreWrittenWhole) {
  std::string fifty(50, 'N');
  std::strcpy(plan.route.rows[0].name, fifty.c_str());
  std::strcpy(plan.route.rows[0].ident, "ABCDE");
  EXPECT_EQ("departure_name=" + fifty, Line("departure_name="));
  EXPECT_EQ("title=ABCDE to LSGG", Line("title="));
}

// The program takes only the time locale from the user: ctest runs the tests
// under a German user locale, whose decimal separator is ",", and the plan is
// byte for byte the same.
TEST_F(MsfsWriterTest, GermanUserLocaleDoesNotChangeTheBytes) {
  const char* timeLocale = AdoptUserDateLocale();
  std::string adopted = timeLocale != nullptr ? timeLocale : "";
  bool german = adopted.find("de_DE") != std::string::npos || adopted.find("German") != std::string::npos;
  if (!german) {
    if (std::getenv("PLANTRANSIT_GERMAN_LOCALE_TEST") != nullptr) {
      FAIL() << "expected a German user locale, got \"" << adopted << "\"";
    }
    GTEST_SKIP() << "run under LC_ALL=de_DE.UTF-8, as ctest does";
  }
  EXPECT_TRUE(MatchesGolden(Written(), "msfs/zurich-geneva.pln"));
  std::setlocale(LC_TIME, "C");
}

}  // namespace
