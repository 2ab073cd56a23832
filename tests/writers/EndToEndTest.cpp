// From a FliteStar export on disk to a plan on disk: the sample built against a
// real data file and written through the real file port and the save frame.
#include <string>

#include <gtest/gtest.h>

#include "host/StdioFileSystem.h"
#include "route/RouteBuild.h"
#include "support/Files.h"
#include "support/TestPorts.h"
#include "writers/MsfsWriter.h"
#include "writers/SaveFrame.h"
#include "writers/WriterTestSupport.h"

namespace {

TEST(EndToEndTest, TheZurichGenevaSampleBecomesTheGoldenFlightSimulatorPlan) {
  TemporaryFolder folder;
  TestPorts t;
  StdioFileSystem files;
  std::string airports = folder.File("airports.txt");
  WriteBytes(airports,
             "LSGG Geneva 1411 CH 46.238 23_12795\r\nLSZH Zurich 1416 CH 47.458 16_12139 28_8202 34_11155\r\n");
  std::string source = std::string(PLANTRANSIT_PROJECT_DIR) + "/samples/zurich-geneva.txt";
  RouteRequest request{source.c_str(), "zurich-geneva.txt", {}};
  std::snprintf(request.airportFile.path, kPathSize, "%s", airports.c_str());
  std::snprintf(request.airportFile.name, kPathSize, "airports.txt");
  BuiltRoute built = BuildRoute(request, {files, t.messages, t.environment, t.dialogs, t.airports});
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  ConversionDate date = FakeToday();
  PlanInput plan{built.route,         built.departureRunways.proposed, built.destinationRunways.proposed,
                 FlightRules::Vfr,    RouteKind::VorToVor,             date,
                 "zurich-geneva.pln"};
  std::string path = folder.File("zurich-geneva.pln");
  SavedPlan saved = SavePlan(TypeWrittenBy(WriteMsfsPlan), plan, path.c_str(), "zurich-geneva.pln", {files, t.messages});
  ASSERT_EQ(SaveOutcome::Written, saved.outcome);
  EXPECT_TRUE(ShowedMessages(t.messages, {}));
  EXPECT_TRUE(MatchesGolden(ReadBytes(path), "msfs/zurich-geneva.pln"));
}

}  // namespace
