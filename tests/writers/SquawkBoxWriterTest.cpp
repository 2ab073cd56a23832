// The SquawkBox plan, byte for byte.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/TestRoutes.h"
#include "writers/SquawkBoxWriter.h"
#include "writers/WriterTestSupport.h"

namespace {

TEST(SquawkBoxWriter, ZurichGenevaOverTraMatchesTheGoldenFile) {
  EXPECT_TRUE(MatchesGolden(WrittenBy(ZurichGenevaPlan(), WriteSquawkBoxPlan), "squawkbox/zurich-geneva.sbp"));
}

TEST(SquawkBoxWriter, TwoAirportRouteWritesOnlyTheRouteLine) {
  EXPECT_TRUE(MatchesGolden(WrittenBy(TwoAirportPlan(), WriteSquawkBoxPlan), "squawkbox/two-airports.sbp"));
}

TEST(SquawkBoxWriter, EachWaypointCarriesItsOwnAndTheNextRowsAltitude) {
  TestPlan plan;
  RouteTable& route = plan.route;
  AddTestRow(route, 'A', "KSFO", "San Francisco", 'N', 37, 37.14, 'W', 122, 22.49, 13.0);
  AddTestRow(route, 'N', "PYE", "PYE", 'N', 38, 4.8, 'W', 122, 52.07, 2499.6);
  AddTestRow(route, 'I', "NOALT", "NOALT", 'S', 0, 30.0, 'W', 0, 0.6, 0.0);  // read without altitude
  AddTestRow(route, 'A', "SCEL", "Santiago", 'S', 33, 23.3, 'W', 70, 47.16, 1555.4);
  route.rows[1].plannerValues[5] = 270.4;  // the heading, never filled by a build
  std::vector<std::string> expected = {
      "KSFO:SCEL:0",
      "N:PYE:38.080000:-122.867833:0:2500:0:270",
      "I:NOALT:-0.500000:-0.010000:0:0:1555:0",
      "",
  };
  EXPECT_EQ(expected, LinesOf(WrittenBy(plan, WriteSquawkBoxPlan)));
}

}  // namespace
