// The round trip, for the golden routes and for random ones: every plan written
// reads back as its route, and every plan read is a source whose route, written
// as any other plan, reads back as the route again. The checks here hold the
// points read to the route itself (their number, positions, the airports at the
// ends), not to each format's own expectation, so that a fault in the one is not
// hidden by the same fault in the other.
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/PlanReader.h"
#include "route/RouteBuild.h"
#include "support/TestPlans.h"
#include "support/TestPorts.h"
#include "writers/FormatRegistry.h"
#include "writers/MemorySink.h"
#include "writers/PlanReadBack.h"
#include "writers/WriterTestSupport.h"

namespace {

// The two airports with their positions, where the plans that name airports by
// identifier alone take them from: those of the worked route, to the export's
// precision.
constexpr const char* kZurichWithPosition = "LSZH Zurich 1416 47.458 8.548 16_12139-34_12139";
constexpr const char* kGenevaWithPosition = "LSGG Geneva 1411 46.238 6.109 05_12795-23_12795";

// The formats read back by a reader of their own.
std::vector<const ExportType*> ReadableTypes() {
  std::vector<const ExportType*> types;
  for (const ExportType& type : kExportTypes) {
    if (type.readBack != nullptr && type.readBack->reader != nullptr) types.push_back(&type);
  }
  return types;
}

std::string Written(const ExportType& type, const PlanInput& plan) {
  MemorySink sink;
  PlanStream stream(sink);
  type.writer(plan, stream);
  return sink.bytes;
}

double AngleBetween(double a, double b) {
  double difference = std::fmod(std::fabs(a - b), 360.0);
  return difference > 180.0 ? 360.0 - difference : difference;
}

// Holds `points` to `route`: every row in order (a format may leave out the
// departure airport, as ACS-GPS does, or both, as SquawkBox does), each position
// given within `degrees`, each
// altitude read within `feet` (unless negative), and the airports at the ends
// under their identifiers.
::testing::AssertionResult HoldTheRoute(const PlanPoints& points, const RouteTable& route, double degrees,
                                        double feet) {
  const std::size_t rows = route.waypointCount;
  const std::size_t count = points.points.size();
  if (count != rows && count != rows - 1 && count != rows - 2) {
    return ::testing::AssertionFailure() << count << " points read for " << rows << " rows";
  }
  const std::size_t first = count == rows ? 0 : 1;
  for (std::size_t i = 0; i < count; ++i) {
    const PlanPoint& point = points.points[i];
    const WaypointRow& row = route.rows[first + i];
    const bool atAnEnd = first + i == 0 || first + i == rows - 1;
    if (atAnEnd && point.ident != row.ident) {
      return ::testing::AssertionFailure() << "airport " << row.ident << " read as \"" << point.ident << "\"";
    }
    const bool placed = point.hasPosition;  // else named by its identifier alone
    if (placed &&
        (std::fabs(point.latitude - row.latitude) > degrees || AngleBetween(point.longitude, row.longitude) > degrees)) {
      return ::testing::AssertionFailure() << "row " << first + i + 1 << " (" << row.ident << ") at "
                                           << row.latitude << "," << row.longitude << " read at " << point.latitude
                                           << "," << point.longitude;
    }
    if (feet >= 0 && point.hasAltitude && std::fabs(point.altitudeFeet - row.altitude) > feet) {
      return ::testing::AssertionFailure() << "row " << first + i + 1 << " (" << row.ident << ") at "
                                           << row.altitude << " ft read at " << point.altitudeFeet << " ft";
    }
  }
  return ::testing::AssertionSuccess();
}

// Random routes as a FliteStar export gives them: 2 to 32 rows, Zurich and Geneva
// (or, `unknownAirports`, airports the data does not know, anywhere) at the ends, points
// of every kind anywhere on earth between them, the meridian of the date line and
// the poles' neighbourhood included.
class RandomRoutes {
 public:
  explicit RandomRoutes(unsigned seed) : random_(seed) {}

  std::string NextExport(bool unknownAirports) {
    const int rows = Pick(2, kMaxWaypoints);
    std::vector<std::string> lines;
    for (int i = 0; i < rows; ++i) {
      if (i == 0) {
        lines.push_back(AirportLine(0, unknownAirports));
      } else if (i == rows - 1) {
        lines.push_back(AirportLine(1, unknownAirports));
      } else {
        lines.push_back(Line("VNIU"[Pick(0, 3)], Ident(), Coordinate('N', 'S', 89) + " " + Coordinate('E', 'W', 180)));
      }
    }
    return FliteStarExport(lines);
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  // Zurich (`end` 0) or Geneva (1) where the data places them, or, with
  // `unknownAirports`, one the data does not know, anywhere; never one airport at
  // both ends (a plan names two places of one identifier differently).
  std::string AirportLine(int end, bool unknownAirports) {
    if (unknownAirports && Pick(0, 2) == 0) {
      return Line('A', end == 0 ? "ZZZD" : "ZZZA", Coordinate('N', 'S', 89) + " " + Coordinate('E', 'W', 180));
    }
    return end == 0 ? Line('A', "LSZH", "N 47 27.48 E 8 32.88") : Line('A', "LSGG", "N 46 14.28 E 6 6.54");
  }

  std::string Ident() {
    const char* letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string ident;
    for (int length = Pick(1, 5); length > 0; --length) ident += letters[Pick(0, 35)];
    return ident;
  }

  // A coordinate as the export writes it: hemisphere, degrees, minutes to 0.01.
  std::string Coordinate(char positive, char negative, int maxDegrees) {
    const int hundredths = Pick(0, maxDegrees * 6000);
    char text[32];
    std::snprintf(text, sizeof text, "%c %d %.2f", Pick(0, 1) ? positive : negative, hundredths / 6000,
                  (hundredths % 6000) / 100.0);
    return text;
  }

  std::string Line(char kind, const std::string& ident, const std::string& position) {
    return std::string("FWP W ") + kind + " " + ident + " " + position + " " + std::to_string(Pick(-100, 450) * 100);
  }

  std::mt19937 random_;
};

// The route `source` (a plan file of any kind) builds, with the test airport data.
BuiltRoute BuildFrom(const std::string& source, const char* extension) {
  TestPorts ports;
  const std::string path = std::string("C:\\Plans\\route") + extension;
  ports.files.files[path] = source;
  ports.files.files[kAirportPath] = Lines({kZurichWithPosition, kGenevaWithPosition});
  RouteRequest request = TestRequest();
  request.sourcePath = path.c_str();
  BuiltRoute built = BuildRoute(request, ports.Route());
  for (const RecordedMessage& message : ports.messages.Messages()) ADD_FAILURE() << message.text;
  return built;
}

// The rows of `route` as points, so that a route read is held to the route written.
PlanPoints PointsOf(const RouteTable& route) {
  PlanPoints points;
  for (uint32_t i = 0; i < route.waypointCount; ++i) {
    const WaypointRow& row = route.rows[i];
    points.points.push_back({row.ident, PointKind::Unknown, row.latitude, row.longitude, false, 0.0, ""});
  }
  return points;
}

TestPlan PlanOf(const RouteTable& route) {
  TestPlan plan;
  plan.route = route;
  plan.flightRules = FlightRules::Ifr;
  plan.routeKind = RouteKind::DirectGps;
  return plan;
}

// Every readable format of `plan` read back holds its route.
void ExpectEveryFormatReadsBack(const TestPlan& plan) {
  for (const ExportType* type : ReadableTypes()) {
    SCOPED_TRACE(type->key);
    PlanPoints points;
    std::string problem;
    ASSERT_TRUE(type->readBack->reader->read(Written(*type, plan.Input()), points, problem)) << problem;
    EXPECT_TRUE(HoldTheRoute(points, plan.route, type->readBack->degrees, type->readBack->feet));
  }
}

// Every source format X of `plan`, read as a source, builds the route again, and
// every format Y written from that route reads back as the first route.
void ExpectEveryFormatConvertsToEveryOther(const TestPlan& plan) {
  for (const ExportType* source : ReadableTypes()) {
    if (!source->readBack->reader->isSource) continue;
    SCOPED_TRACE(std::string("from ") + source->key);
    BuiltRoute built = BuildFrom(Written(*source, plan.Input()), source->extension);
    ASSERT_EQ(RouteOutcome::Built, built.outcome);
    const double sourceDegrees = source->readBack->degrees;
    EXPECT_TRUE(HoldTheRoute(PointsOf(built.route), plan.route, sourceDegrees, -1)) << "the route read";
    for (const ExportType* target : ReadableTypes()) {
      SCOPED_TRACE(std::string("to ") + target->key);
      TestPlan converted = PlanOf(built.route);
      PlanPoints points;
      std::string problem;
      ASSERT_TRUE(target->readBack->reader->read(Written(*target, converted.Input()), points, problem)) << problem;
      EXPECT_TRUE(HoldTheRoute(points, plan.route, sourceDegrees + target->readBack->degrees, -1));
    }
  }
}

TEST(RoundTrip, EveryGoldenRouteReadsBackFromEveryFormat) {
  for (const TestPlan& plan : {ZurichGenevaPlan(), TwoAirportPlan(), EveryEdgePlan(), DateLinePlan()}) {
    SCOPED_TRACE(std::string(plan.route.rows[0].ident) + " to " + DestinationRow(plan.route).ident);
    ExpectEveryFormatReadsBack(plan);
  }
}

TEST(RoundTrip, RandomRoutesReadBackFromEveryFormat) {
  RandomRoutes routes(20261208);
  for (int i = 0; i < 300; ++i) {
    const std::string source = routes.NextExport(true);
    SCOPED_TRACE(source);
    BuiltRoute built = BuildFrom(source, ".txt");
    ASSERT_EQ(RouteOutcome::Built, built.outcome);
    ExpectEveryFormatReadsBack(PlanOf(built.route));
  }
}

TEST(RoundTrip, TheWorkedRouteConvertsFromEveryFormatReadIntoEveryOther) {
  ExpectEveryFormatConvertsToEveryOther(ZurichGenevaPlan());
}

TEST(RoundTrip, RandomRoutesConvertFromEveryFormatReadIntoEveryOther) {
  RandomRoutes routes(7);
  for (int i = 0; i < 40; ++i) {
    const std::string source = routes.NextExport(false);
    SCOPED_TRACE(source);
    BuiltRoute built = BuildFrom(source, ".txt");
    ASSERT_EQ(RouteOutcome::Built, built.outcome);
    ExpectEveryFormatConvertsToEveryOther(PlanOf(built.route));
  }
}

}  // namespace
