// Input is never trusted: huge lines, binary bytes and NULs in the source and the
// data file end in a clear result, never in a crash or an overrun (these tests
// run under AddressSanitizer and UndefinedBehaviorSanitizer too).
#include <cstring>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "host/StdioFileSystem.h"
#include "route/RouteBuild.h"
#include "support/Files.h"
#include "support/NoPlanMessage.h"
#include "support/TestPlans.h"
#include "support/TestPorts.h"

namespace {

std::string RandomBytes(std::size_t size, unsigned seed, bool manyNuls) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = (manyNuls && random() % 3 == 0) ? '\0' : static_cast<char>(random() % 256);
  return bytes;
}

void ExpectRowsWithinTheirFields(const BuiltRoute& built) {
  const RouteTable& route = built.route;
  ASSERT_LE(route.waypointCount, static_cast<uint32_t>(kMaxWaypoints));
  for (const WaypointRow& row : route.rows) {
    EXPECT_LE(strnlen(row.ident, sizeof row.ident), static_cast<std::size_t>(kIdentLength));
    EXPECT_LE(strnlen(row.name, sizeof row.name), static_cast<std::size_t>(kNameLength));
  }
  EXPECT_LE(strnlen(route.routeText, sizeof route.routeText), static_cast<std::size_t>(kRouteTextLength));
  for (const RunwayList* runways : {&built.departureRunways, &built.destinationRunways}) {
    EXPECT_LE(strnlen(runways->proposed, sizeof runways->proposed), static_cast<std::size_t>(kRunwayTextLength));
  }
}

TEST(HostileInput, ASourceWhoseFirstLineIs100KilobytesOfAIsNoFliteStarPlan) {
  TemporaryFolder folder;
  StdioFileSystem files;
  TestPorts t;
  std::string path = folder.File("route.txt");
  WriteBytes(path, std::string(100 * 1024, 'A') + "\n" + Lines({"FPL 1", kZurichLine, kGenevaLine}));
  RouteRequest request = TestRequest();
  request.sourcePath = path.c_str();
  RoutePorts ports{files, t.messages, t.environment, t.dialogs, t.airports};
  EXPECT_EQ(RouteOutcome::Failed, BuildRoute(request, ports).outcome);
  EXPECT_TRUE(ShowedMessages(
      t.messages, {{NoPlanOfAnyKindText("route.txt"), MessageKind::Error, MessageButtons::Ok}}));
}

TEST(HostileInput, SourceLinesOfTenThousandCharactersAreReadInPieces) {
  TestPorts t;
  RouteRequest request = SetUpZurichGeneva(t.files);
  std::string huge(10000, 'X');
  t.files.files[kSourcePath] = FliteStarExport({"FWP W A " + huge + " N 47 27.48 E 8 32.88 1416",
                                                "FWP W A LSZH N 47 27.48 E 8 32.88 " + huge, huge + kZurichLine,
                                                kGenevaLine});
  // Only the piece "FWP W A LSZH N 47 27.48 E 8 32.88 XXX..." (nine fields) and
  // the Geneva line are waypoint lines; no other piece starts with "FWP".
  BuiltRoute built = BuildRoute(request, t.Route());
  EXPECT_EQ(RouteOutcome::Built, built.outcome);
  ExpectRowsWithinTheirFields(built);
  EXPECT_STREQ("LSZH-LSGG", built.route.routeText);
}

TEST(HostileInput, DataLinesOfTenThousandCharactersAreReadInPieces) {
  TestPorts t;
  RouteRequest request = SetUpZurichGeneva(t.files);
  std::string huge(10000, 'R');
  t.files.files[kAirportPath] = Lines({"LSZH " + huge, "LSZH Zurich 1416 a b " + huge + " 16", huge + "LSGG Geneva 1"});
  BuiltRoute built = BuildRoute(request, t.Route());
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  ExpectRowsWithinTheirFields(built);
  EXPECT_STREQ("Zurich", built.route.rows[0].name) << "the line with a name that is too long is passed over";
  ASSERT_FALSE(built.departureRunways.entries.empty());
  EXPECT_EQ(std::string(50, 'R') + " ", built.departureRunways.entries[0]);
  EXPECT_STREQ("Not found in Airport/Runway Data file!", built.route.rows[2].name);
}

TEST(HostileInput, ADataFileOfBinaryBytesAndNulsGivesAClearResult) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TestPorts t;
    RouteRequest request = SetUpZurichGeneva(t.files);
    t.files.files[kAirportPath] = RandomBytes(300000, seed, seed % 2 == 0);
    BuiltRoute built = BuildRoute(request, t.Route());
    ASSERT_EQ(RouteOutcome::Built, built.outcome);
    ExpectRowsWithinTheirFields(built);
    EXPECT_STREQ("Not found in Airport/Runway Data file!", built.route.rows[0].name);
  }
}

TEST(HostileInput, ADataFileOfBinaryBytesWithTheAirportInsideIsStillRead) {
  TestPorts t;
  RouteRequest request = SetUpZurichGeneva(t.files);
  t.files.files[kAirportPath] =
      RandomBytes(100000, 9, true) + "\n" + kZurichAirport + "\n" + RandomBytes(100000, 10, true);
  BuiltRoute built = BuildRoute(request, t.Route());
  ASSERT_EQ(RouteOutcome::Built, built.outcome);
  EXPECT_STREQ("Zurich", built.route.rows[0].name);
  EXPECT_STREQ("16 12139 ", built.departureRunways.proposed);
}

TEST(HostileInput, ABinarySourceFileIsNoFliteStarPlan) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TestPorts t;
    RouteRequest request = SetUpZurichGeneva(t.files);
    t.files.files[kSourcePath] = RandomBytes(50000, seed, seed % 2 == 0);
    EXPECT_EQ(RouteOutcome::Failed, BuildRoute(request, t.Route()).outcome);
    ASSERT_EQ(1u, t.messages.Messages().size());
    EXPECT_EQ(NoPlanOfAnyKindText("route.txt"), t.messages.Messages()[0].text);
  }
}

TEST(HostileInput, ASourceWithBinaryBytesAfterAValidStartKeepsEveryRowWithinItsFields) {
  TestPorts t;
  RouteRequest request = SetUpZurichGeneva(t.files);
  std::string bytes = FliteStarExport({kZurichLine});
  std::mt19937 random(5);
  for (int line = 0; line < 2000; ++line) {
    bytes += "FWP " + RandomBytes(random() % 300, random(), false) + "\n";
  }
  t.files.files[kSourcePath] = bytes + kGenevaLine + "\n";
  ExpectRowsWithinTheirFields(BuildRoute(request, t.Route()));
}

}  // namespace
