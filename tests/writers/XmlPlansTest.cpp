// The XML flight plans of Microsoft's simulators (FSX and Prepar3D, MSFS 2020, MSFS 2024's EFB) byte for byte for
// the worked route and the route of every edge, and the rules their readers hold them to. The readers themselves
// read these plans back in tests/readers.
#include <string>

#include <gtest/gtest.h>

#include "route/AirportLookup.h"
#include "route/RouteBuild.h"
#include "support/Files.h"
#include "support/TestPlans.h"
#include "support/TestRoutes.h"
#include "writers/FsxWriter.h"
#include "writers/Msfs2024Writer.h"
#include "writers/MsfsXmlWriter.h"
#include "writers/WriterTestSupport.h"

namespace {

struct XmlTarget {
  PlanWriter writer;
  const char* golden;  // folder of its golden files
  bool efb;            // the MSFS 2024 EFB plan, which names no airport as a waypoint
};

constexpr XmlTarget kXmlTargets[] = {
    {WriteFsxPlan, "fsx", false},
    {WriteMsfsXmlPlan, "msfs2020", false},
    {WriteMsfs2024Plan, "msfs2024", true},
};

// The plan's lines without their indentation, joined by "\n".
std::string UnindentedLines(const std::string& plan) {
  std::string joined;
  for (const std::string& line : LinesOf(plan)) {
    std::size_t start = line.find_first_not_of(' ');
    joined += "\n" + (start == std::string::npos ? std::string() : line.substr(start));
  }
  return joined + "\n";
}

// True when `lines` ("\n" between them, without indentation) follow each other in the plan.
bool HoldsLines(const std::string& plan, const std::string& lines) {
  return UnindentedLines(plan).find("\n" + lines + "\n") != std::string::npos;
}

TEST(XmlPlans, TheWorkedRouteAndTheRouteOfEveryEdgeMatchTheGoldenFiles) {
  const struct {
    const char* name;
    TestPlan plan;
  } routes[] = {{"zurich-geneva", ZurichGenevaPlan()}, {"every-edge", EveryEdgePlan()}};
  for (const XmlTarget& target : kXmlTargets) {
    for (const auto& route : routes) {
      SCOPED_TRACE(std::string(target.golden) + "/" + route.name);
      EXPECT_TRUE(MatchesGolden(WrittenBy(route.plan, target.writer),
                                std::string(target.golden) + "/" + route.name + ".pln"));
    }
  }
}

// LSZH - TRA - LSGG with TRA's ident, type and altitude replaced.
void SetTra(TestPlan& plan, char type, const char* ident, double altitude = 5500) {
  WaypointRow& row = plan.route.rows[1];
  row.type = type;
  std::snprintf(row.ident, sizeof row.ident, "%s", ident);
  row.altitude = altitude;
}

// What a simulator or its add-ons refuse, misplace or misread, and what each plan writes instead.
struct PlanFault {
  const char* fault;
  void (*change)(TestPlan&);
  bool efbToo;             // the MSFS 2024 plan writes the same lines
  const char* written;     // lines, "\n" between them, unindented, that follow each other in the plan
  const char* notWritten;  // text nowhere in the plan; nullptr for none
};

const PlanFault kPlanFaults[] = {
    {"a user point without an ICAO block lands at the North Pole",
     [](TestPlan& plan) { SetTra(plan, 'U', "HOME"); }, true,
     "<ATCWaypoint id=\"HOME\">\n<ATCWaypointType>User</ATCWaypointType>\n"
     "<WorldPosition>N47\xC2\xB0 41' 21.00\",E8\xC2\xB0 26' 13.20\",+005500.00</WorldPosition>\n"
     "<ICAO>\n<ICAOIdent>HOME</ICAOIdent>\n</ICAO>\n</ATCWaypoint>",
     nullptr},
    {"an id with a character other than letters, digits, _ and blank refuses the plan",
     [](TestPlan& plan) { SetTra(plan, 'I', "A-1"); }, true,
     "<ATCWaypoint id=\"A1\">\n<ATCWaypointType>User</ATCWaypointType>", "A-1"},
    {"an ampersand is left out, and the changed ident is no intersection",
     [](TestPlan& plan) { SetTra(plan, 'I', "a&b"); }, true,
     "<ATCWaypoint id=\"ab\">\n<ATCWaypointType>User</ATCWaypointType>", "&amp;"},
    {"letters with marks lose them, and an id longer than 10 characters is cut",
     [](TestPlan& plan) { SetTra(plan, 'V', "\xC6\xDF\xC6\xDF\x80"); }, true,
     "<ATCWaypoint id=\"AEssAEssEU\">\n<ATCWaypointType>User</ATCWaypointType>", nullptr},
    {"an ident with nothing left is numbered by its place in the route",
     [](TestPlan& plan) { SetTra(plan, 'N', "-&-"); }, true,
     "<ATCWaypoint id=\"WPT2\">\n<ATCWaypointType>User</ATCWaypointType>", nullptr},
    {"one ident at two places: the simulator would put the second on the first",
     [](TestPlan& plan) {
       plan.route = RouteTable{};
       AddTestRow(plan.route, 'A', "LSZH", "Zurich", 'N', 47, 27.48, 'E', 8, 32.88, 1416);
       AddTestRow(plan.route, 'V', "TRA", "TRA", 'N', 47, 41.35, 'E', 8, 26.22, 5500);
       AddTestRow(plan.route, 'V', "TRA", "TRA", 'N', 47, 0.0, 'E', 8, 0.0, 5500);
       AddTestRow(plan.route, 'A', "LSGG", "Geneva", 'N', 46, 14.28, 'E', 6, 6.54, 1411);
     },
     false,
     "<ATCWaypoint id=\"TRA\">\n<ATCWaypointType>VOR</ATCWaypointType>\n"
     "<WorldPosition>N47\xC2\xB0 41' 21.00\",E8\xC2\xB0 26' 13.20\",+005500.00</WorldPosition>\n"
     "<ICAO>\n<ICAOIdent>TRA</ICAOIdent>\n</ICAO>\n</ATCWaypoint>\n"
     "<ATCWaypoint id=\"TRA\">\n<ATCWaypointType>User</ATCWaypointType>\n"
     "<WorldPosition>N47\xC2\xB0 0' 0.00\",E8\xC2\xB0 0' 0.00\",+005500.00</WorldPosition>",
     nullptr},
    {"an altitude that shows as zero has no minus sign",
     [](TestPlan& plan) {
       plan.route.rows[0].altitude = -0.001;
       SetTra(plan, 'V', "TRA", -0.004);
     },
     true, "<WorldPosition>N47\xC2\xB0 41' 21.00\",E8\xC2\xB0 26' 13.20\",+000000.00</WorldPosition>",
     "-000000.00"},
    {"no flight type chosen is the window's default, VFR",
     [](TestPlan& plan) { plan.flightRules = FlightRules::None; }, true, "<FPType>VFR</FPType>", nullptr},
    {"a name cut after its last word has no blank at its end",
     [](TestPlan& plan) { std::snprintf(plan.route.rows[0].name, kNameLength + 1, "Zurich_Kloten_"); }, false,
     "<DepartureName>Zurich Kloten</DepartureName>", nullptr},
    {"an airport the data file does not have has no name",
     [](TestPlan& plan) { std::snprintf(plan.route.rows[2].name, kNameLength + 1, "%s", kAirportNotFoundText); },
     false, "<DestinationName></DestinationName>", "Not found"},
    {"no runway is no departure position, not an empty one",
     [](TestPlan& plan) { plan.departureRunway = ""; }, false,
     "<Descr>LSZH, LSGG</Descr>\n<DepartureName>Zurich</DepartureName>", "DeparturePosition"},
    {"the simulator names runways without a leading zero",
     [](TestPlan& plan) { plan.departureRunway = "07C 13123 "; }, false,
     "<DeparturePosition>7C</DeparturePosition>", "07C"},
};

TEST(XmlPlans, WriteWhatTheSimulatorsTakeWhereTheyWouldRefuseOrMisplaceAPoint) {
  for (const PlanFault& fault : kPlanFaults) {
    for (const XmlTarget& target : kXmlTargets) {
      if (target.efb && !fault.efbToo) continue;
      SCOPED_TRACE(std::string(target.golden) + ": " + fault.fault);
      TestPlan plan = ZurichGenevaPlan();
      fault.change(plan);
      std::string written = WrittenBy(plan, target.writer);
      EXPECT_TRUE(HoldsLines(written, fault.written)) << "expected the lines\n" << fault.written << "\nin\n" << written;
      if (fault.notWritten != nullptr) {
        EXPECT_EQ(std::string::npos, written.find(fault.notWritten)) << written;
      }
    }
  }
}

// The EFB plan gives each runway its number and side in words; anything else names no runway and is left out.
TEST(XmlPlans, TheEfbPlanNamesRunwaysByNumberAndSide) {
  const struct {
    const char* departure;
    const char* destination;
    const char* written;  // unindented lines between the AppVersion block and the end of the plan
  } cases[] = {
      {"07C 13123 ", "23L", "<DepartureDetails>\n<RunwayNumberFP>7</RunwayNumberFP>\n"
                            "<RunwayDesignatorFP>CENTER</RunwayDesignatorFP>\n</DepartureDetails>"},
      {"5R", "23L", "<ArrivalDetails>\n<RunwayNumberFP>23</RunwayNumberFP>\n"
                    "<RunwayDesignatorFP>LEFT</RunwayDesignatorFP>\n</ArrivalDetails>\n</FlightPlan.FlightPlan>"},
      {"36R 9000 ", "", "<RunwayNumberFP>36</RunwayNumberFP>\n<RunwayDesignatorFP>RIGHT</RunwayDesignatorFP>"},
      {"16 12139 ", "H1", "</AppVersion>\n<DepartureDetails>\n<RunwayNumberFP>16</RunwayNumberFP>\n"
                          "</DepartureDetails>\n<ATCWaypoint id=\"TRA\">"},
      {"H1 50 ", "04 12795 ", "</AppVersion>\n<ATCWaypoint id=\"TRA\">"},
      {"", "", "</ATCWaypoint>\n</FlightPlan.FlightPlan>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.departure) + " to " + c.destination);
    TestPlan plan = ZurichGenevaPlan();
    plan.departureRunway = c.departure;
    plan.destinationRunway = c.destination;
    std::string written = WrittenBy(plan, WriteMsfs2024Plan);
    EXPECT_TRUE(HoldsLines(written, c.written)) << "expected the lines\n" << c.written << "\nin\n" << written;
  }
}

}  // namespace
