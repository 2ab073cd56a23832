// Input is never trusted: huge lines, binary bytes and NULs in the source and the
// data file end in a clear result, never in a crash or an overrun (these tests
// run under AddressSanitizer and UndefinedBehaviorSanitizer too).
#include <cstring>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "host/StdioFileSystem.h"
#include "route/AirportLookup.h"
#include "route/RouteBuild.h"
#include "support/Files.h"
#include "support/TestPlans.h"

namespace {

std::string RandomBytes(std::size_t size, unsigned seed, bool manyNuls) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = (manyNuls && random() % 3 == 0) ? '\0' : static_cast<char>(random() % 256);
  return bytes;
}

void ExpectRowsWithinTheirFields(const RouteTable& route) {
  ASSERT_LE(route.waypointCount, static_cast<uint32_t>(kMaxWaypoints));
  for (const WaypointRow& row : route.rows) {
    EXPECT_LE(strnlen(row.ident, sizeof row.ident), static_cast<std::size_t>(kIdentLength));
    EXPECT_LE(strnlen(row.name, sizeof row.name), static_cast<std::size_t>(kNameLength));
  }
  EXPECT_LE(strnlen(route.routeText, sizeof route.routeText), static_cast<std::size_t>(kRouteTextLength));
  EXPECT_LE(strnlen(route.departureRunway, sizeof route.departureRunway),
            static_cast<std::size_t>(kRunwayTextLength));
}

TEST(HostileInput, ASourceWhoseFirstLineIs100KilobytesOfAIsNoFliteStarPlan) {
  TemporaryFolder folder;
  StdioFileSystem files;
  TestApp t;
  SetUpZurichGeneva(t);
  t.app.host.files = &files;
  std::string path = folder.File("route.txt");
  WriteBytes(path, std::string(100 * 1024, 'A') + "\n" + Lines({"FPL 1", kZurichLine, kGenevaLine}));
  std::snprintf(t.app.settings.sourceFilePath, kPathSize, "%s", path.c_str());
  EXPECT_FALSE(BuildRoute(t.app));
  EXPECT_TRUE(ShowedMessages(
      t.messages, {{"route.txt is not a valid FliteStar Flightplan file!", MessageKind::Error, MessageButtons::Ok}}));
}

TEST(HostileInput, SourceLinesOfTenThousandCharactersAreReadInPieces) {
  TestApp t;
  SetUpZurichGeneva(t);
  std::string huge(10000, 'X');
  t.files.files[kSourcePath] = FliteStarExport({"FWP W A " + huge + " N 47 27.48 E 8 32.88 1416",
                                                "FWP W A LSZH N 47 27.48 E 8 32.88 " + huge, huge + kZurichLine,
                                                kGenevaLine});
  // Only the piece "FWP W A LSZH N 47 27.48 E 8 32.88 XXX..." (nine fields) and
  // the Geneva line are waypoint lines; no other piece starts with "FWP".
  EXPECT_TRUE(BuildRoute(t.app));
  ExpectRowsWithinTheirFields(t.app.route);
  EXPECT_STREQ("LSZH-LSGG", t.app.route.routeText);
}

TEST(HostileInput, DataLinesOfTenThousandCharactersAreReadInPieces) {
  TestApp t;
  SetUpZurichGeneva(t);
  std::string huge(10000, 'R');
  t.files.files[kAirportPath] = Lines({"LSZH " + huge, "LSZH Zurich 1416 a b " + huge + " 16", huge + "LSGG Geneva 1"});
  ASSERT_TRUE(BuildRoute(t.app));
  ExpectRowsWithinTheirFields(t.app.route);
  EXPECT_STREQ("Zurich", t.app.route.rows[0].name) << "the line with a name that is too long is passed over";
  EXPECT_EQ(std::string(50, 'R') + " ", t.window.lists[kDepartureRunwayList].entries[0]);
  EXPECT_STREQ("Not found in Airport/Runway Data file!", t.app.route.rows[2].name);
}

TEST(HostileInput, ADataFileOfBinaryBytesAndNulsGivesAClearResult) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TestApp t;
    SetUpZurichGeneva(t);
    t.files.files[kAirportPath] = RandomBytes(300000, seed, seed % 2 == 0);
    ASSERT_TRUE(BuildRoute(t.app));
    ExpectRowsWithinTheirFields(t.app.route);
    EXPECT_STREQ("Not found in Airport/Runway Data file!", t.app.route.rows[0].name);
  }
}

TEST(HostileInput, ADataFileOfBinaryBytesWithTheAirportInsideIsStillRead) {
  TestApp t;
  SetUpZurichGeneva(t);
  t.files.files[kAirportPath] = RandomBytes(100000, 9, true) + "\n" + kZurichAirport + "\n" + RandomBytes(100000, 10, true);
  ASSERT_TRUE(BuildRoute(t.app));
  EXPECT_STREQ("Zurich", t.app.route.rows[0].name);
  EXPECT_STREQ("16 12139 ", t.app.route.departureRunway);
}

TEST(HostileInput, ABinarySourceFileIsNoFliteStarPlan) {
  for (unsigned seed = 1; seed <= 4; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TestApp t;
    SetUpZurichGeneva(t);
    t.files.files[kSourcePath] = RandomBytes(50000, seed, seed % 2 == 0);
    EXPECT_FALSE(BuildRoute(t.app));
    ASSERT_EQ(1u, t.messages.Messages().size());
    EXPECT_EQ("route.txt is not a valid FliteStar Flightplan file!", t.messages.Messages()[0].text);
  }
}

TEST(HostileInput, ASourceWithBinaryBytesAfterAValidStartKeepsEveryRowWithinItsFields) {
  TestApp t;
  SetUpZurichGeneva(t);
  std::string bytes = FliteStarExport({kZurichLine});
  std::mt19937 random(5);
  for (int line = 0; line < 2000; ++line) {
    bytes += "FWP " + RandomBytes(random() % 300, random(), false) + "\n";
  }
  t.files.files[kSourcePath] = bytes + kGenevaLine + "\n";
  BuildRoute(t.app);
  ExpectRowsWithinTheirFields(t.app.route);
}

}  // namespace
