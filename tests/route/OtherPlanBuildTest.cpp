// The build of a route from a plan of another kind than a FliteStar export: the
// rows it gives, the airports placed and looked up, the runways the file names,
// and every way such a source is refused, each message word for word.
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/RouteBuild.h"
#include "support/Files.h"
#include "support/TestPlans.h"
#include "support/TestPorts.h"

namespace {

constexpr const char* kZurichPlaced = "LSZH Zurich 1416 47.458 8.548 16_12139-34_12139";
constexpr const char* kGenevaPlaced = "LSGG Geneva 1411 46.238 6.109 05_12795-23_12795";

RecordedMessage Error(const std::string& text) { return {text, MessageKind::Error, MessageButtons::Ok}; }

std::string Golden(const std::string& relative) { return ReadBytes(GoldenPath(relative)); }

// Each row as "ident type lat lon altitude name".
std::string Rows(const RouteTable& route) {
  std::string out;
  for (uint32_t i = 0; i < route.waypointCount; ++i) {
    const WaypointRow& row = route.rows[i];
    char text[160];
    std::snprintf(text, sizeof text, "%s%s %c %.6f %.6f %.0f %s", out.empty() ? "" : " | ", row.ident, row.type,
                  row.latitude, row.longitude, row.altitude, row.name);
    out += text;
  }
  return out;
}

struct Built {
  BuiltRoute built;
  std::vector<RecordedMessage> messages;
};

Built BuildFrom(const std::string& name, const std::string& bytes, const std::vector<std::string>& airports) {
  TestPorts ports;
  const std::string path = "C:\\Plans\\" + name;
  ports.files.files[path] = bytes;
  ports.files.files[kAirportPath] = Lines(airports);
  RouteRequest request = TestRequest();
  request.sourcePath = path.c_str();
  request.sourceName = name.c_str();
  BuiltRoute built = BuildRoute(request, ports.Route());
  return {built, ports.messages.Messages()};
}

TEST(OtherPlanBuild, BuildsTheRouteTheExportBuildsWithTheRunwaysTheFileNames) {
  const std::string worked = "LSZH A 47.458000 8.548000 1416 Zurich | TRA V 47.689167 8.437000 5500 TRA | "
                             "LSGG A 46.238000 6.109000 1411 Geneva";
  struct Case {
    const char* name;
    std::string bytes;
    std::string rows;
    const char* departureRunway;
    const char* destinationRunway;
  } cases[] = {
      {"route.fms", Golden("xplane/zurich-geneva.fms"), worked, "16 12139 ", "23 12795 "},
      // The MSFS plan names the departure runway only: the arrival's is the list's first.
      {"route.pln", Golden("msfs2020/zurich-geneva.pln"), worked, "16 12139 ", "05 12795 "},
      // The GFP names its airports only: the data places them, and the point
      // between is a user point at the position written to a tenth of a minute.
      {"route.gfp", Golden("gfp/zurich-geneva.gfp"),
       "LSZH A 47.458000 8.548000 1416 Zurich | N4741 U 47.690000 8.436667 0 N4741 | "
       "LSGG A 46.238000 6.109000 1411 Geneva",
       "16 12139 ", "05 12795 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Built result = BuildFrom(c.name, c.bytes, {kZurichPlaced, kGenevaPlaced});
    EXPECT_EQ(RouteOutcome::Built, result.built.outcome);
    EXPECT_TRUE(result.messages.empty()) << result.messages.front().text;
    EXPECT_EQ(c.rows, Rows(result.built.route));
    EXPECT_STREQ(c.departureRunway, result.built.departureRunways.proposed);
    EXPECT_STREQ(c.destinationRunway, result.built.destinationRunways.proposed);
  }
}

TEST(OtherPlanBuild, RefusesWhatItCannotBuildSayingWhatAndWhere) {
  std::string fortyPoints = "I\n1100 Version\nCYCLE 2612\nADEP LSZH\nADES LSGG\nNUMENR 40\n"
                            "1 LSZH ADEP 1416 47.458 8.548\n";
  for (int i = 1; i <= 38; ++i) fortyPoints += "28 P" + std::to_string(i) + " DRCT 5000 47." + std::to_string(i) + " 8.5\n";
  fortyPoints += "1 LSGG ADES 1411 46.238 6.109\n";
  struct Case {
    const char* what;
    const char* name;
    std::string bytes;
    std::vector<std::string> airports;
    std::vector<RecordedMessage> messages;
  } cases[] = {
      {"a GFP cut in half: its last point is no airport the data knows", "route.gfp", "FPN/RI:F:LSZH:F:N47414E00",
       {kZurichPlaced, kGenevaPlaced},
       {Error("The first and last items in the plan must be airports in route.gfp: the airport data does not know "
              "N4741")}},
      {"points between the airports named without a position", "route.gfp", "FPN/RI:F:LSZH:F:TRA:F:WIL:F:LSGG",
       {kZurichPlaced, kGenevaPlaced},
       {Error("route.gfp cannot be converted: TRA and WIL are named without a position: PlanTransit has no navaid "
              "database and does not guess")}},
      {"an airport named only, the data giving no position", "route.gfp", Golden("gfp/zurich-geneva.gfp"),
       {kZurichAirport, kGenevaAirport},
       {Error("route.gfp names the airport LSZH without a position, and the airport data gives none")}},
      {"a kind that holds no route", "route.sbp", Golden("squawkbox/zurich-geneva.sbp"),
       {kZurichPlaced, kGenevaPlaced},
       {Error("route.sbp is a SquawkBox plan (.sbp), which does not hold the route PlanTransit needs.")}},
      {"a number out of range", "route.fms",
       "I\n1100 Version\nCYCLE 2612\nADEP LSZH\nADES LSGG\nNUMENR 2\n1 LSZH ADEP 1416 47.458 8.548\n"
       "1 LSGG ADES 1411 96.238 6.109\n",
       {kZurichPlaced, kGenevaPlaced},
       {Error("route.fms could not be read as an X-Plane plan (.fms): line 8: the latitude \"96.238\" is out of "
              "range")}},
      {"more points than a route holds", "route.fms", fortyPoints, {kZurichPlaced, kGenevaPlaced},
       {Error("Maximum Nbr. of MS FS Waypoint's reached in route.fms: a route holds 32 points, the plan 40"),
        Error("The first and last items in the plan must be airports in route.fms")}},
      {"a file larger than any plan", "route.gpx", "<gpx>" + std::string(8 * 1024 * 1024, ' ') + "</gpx>",
       {kZurichPlaced, kGenevaPlaced},
       {Error("route.gpx is larger than any flight plan PlanTransit reads (8 MiB).")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Built result = BuildFrom(c.name, c.bytes, c.airports);
    EXPECT_EQ(RouteOutcome::Failed, result.built.outcome);
    ASSERT_EQ(c.messages.size(), result.messages.size()) << (result.messages.empty() ? "" : result.messages[0].text);
    for (std::size_t i = 0; i < c.messages.size(); ++i) {
      EXPECT_EQ(c.messages[i].text, result.messages[i].text);
      EXPECT_EQ(c.messages[i].kind, result.messages[i].kind);
    }
  }
}

}  // namespace
