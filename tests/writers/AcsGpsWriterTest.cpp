// The ACS-GPS plan, byte for byte.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/TestRoutes.h"
#include "writers/AcsGpsWriter.h"
#include "writers/WriterTestSupport.h"

namespace {

TEST(AcsGpsWriter, ZurichGenevaOverTraMatchesTheGoldenFile) {
  EXPECT_TRUE(MatchesGolden(WrittenBy(ZurichGenevaPlan(), WriteAcsGpsPlan), "acsgps/zurich-geneva.prg"));
}

TEST(AcsGpsWriter, TwoAirportRouteWritesOnlyTheDestinationBlock) {
  std::string plan = WrittenBy(TwoAirportPlan(), WriteAcsGpsPlan);
  EXPECT_TRUE(MatchesGolden(plan, "acsgps/two-airports.prg"));
  EXPECT_EQ(std::string::npos, plan.find("LSZH"));
}

TEST(AcsGpsWriter, CoordinatesPadDegreesToTwoDigitsAndMinutesToFiveCharacters) {
  TestPlan plan;
  RouteTable& route = plan.route;
  AddTestRow(route, 'A', "FOOO", "Foo", 'N', 1, 0.0, 'E', 1, 0.0, 0.0);
  AddTestRow(route, 'I', "WEST", "WEST", 'S', 5, 3.456, 'W', 100, 59.999, 0.0);
  AddTestRow(route, 'A', "MIDL", "", 'n', 0, 0.0, 'e', 8, 12.5, 0.0);  // an airport midway has no name
  AddTestRow(route, 'A', "BARR", "Bar", 'N', 45, 10.0, 'E', 7, 0.0, 0.0);
  std::vector<std::string> expected = {
      "WEST", "WEST", "W 100* 60.00m", "S 05* 03.46m", "",
      "MIDL", "",     "e 08* 12.50m",  "n 00* 00.00m", "",
      "BARR", "Bar",  "E 07* 00.00m",  "N 45* 10.00m", "",
      "",  // nothing after the last block's empty line
  };
  EXPECT_EQ(expected, LinesOf(WrittenBy(plan, WriteAcsGpsPlan)));
}

}  // namespace
