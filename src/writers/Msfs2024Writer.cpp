// Writer of the Microsoft Flight Simulator 2024 plan: the EFB's XML flight plan, AppVersion 12, through the XML
// writer and the pieces the simulators' XML plans share.
#include "writers/Msfs2024Writer.h"

#include <string>
#include <vector>

#include "route/AceXmlReader.h"
#include "route/PointFields.h"
#include "writers/AceXmlPlanWriter.h"
#include "writers/Truncation.h"
#include "writers/XmlWriter.h"

namespace {

constexpr const char* kAppVersionMajor = "12";

const char* SideWord(const std::string& side) {
  if (side == "L") return "LEFT";
  if (side == "R") return "RIGHT";
  return "CENTER";
}

// <DepartureDetails> or <ArrivalDetails> with the runway's number and side; nothing for a runway it cannot name.
void WriteRunwayDetails(XmlWriter& xml, const char* element, const char* runway) {
  AceRunway named;
  if (!AceRunwayOf(runway, named)) return;
  xml.Open(element);
  xml.Element("RunwayNumberFP", named.number);
  if (!named.side.empty()) xml.Element("RunwayDesignatorFP", SideWord(named.side));
  xml.Close();
}

void WriteHeader(XmlWriter& xml, const PlanInput& plan, const std::string& departure, const std::string& destination) {
  xml.Element("DepartureID", departure);
  xml.Element("DestinationID", destination);
  xml.Element("Title", departure + " - " + destination);
  xml.Element("Descr", "Flight from " + departure + " to " + destination);
  xml.Element("FPType", AceFlightRules(plan.flightRules));
  xml.Element("CruisingAlt", std::to_string(TruncatedToInt32(plan.route.cruiseAltitude)));
  xml.Open("AppVersion");
  xml.Element("AppVersionMajor", kAppVersionMajor);
  xml.Close();
}

}  // namespace

void WriteMsfs2024Plan(const PlanInput& plan, PlanStream& out) {
  const RouteTable& route = plan.route;
  std::vector<AceWaypoint> waypoints = AceWaypoints(route);
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("SimBase.Document");
  xml.Open("FlightPlan.FlightPlan");
  WriteHeader(xml, plan, waypoints.front().id, waypoints.back().id);
  WriteRunwayDetails(xml, "DepartureDetails", plan.departureRunway);
  for (uint32_t i = 1; i + 1 < route.waypointCount; ++i) {
    AceWaypoint user = waypoints[i];
    user.type = "User";
    WriteAceWaypoint(xml, route.rows[i], user);
  }
  WriteRunwayDetails(xml, "ArrivalDetails", plan.destinationRunway);
  xml.Close();
  xml.Close();
}

PlanPoints ExpectedMsfs2024Points(const PlanInput& plan) {
  PlanPoints expected = ExpectedAceXmlPoints(plan);
  for (std::size_t i = 1; i + 1 < expected.points.size(); ++i) expected.points[i].kind = PointKind::User;
  for (PlanPoint* end : {&expected.points.front(), &expected.points.back()}) {
    *end = PointNamedOnly(end->ident, PointKind::Airport);
  }
  AceRunway runway;
  if (AceRunwayOf(plan.destinationRunway, runway)) expected.destinationRunway = runway.number + runway.side;
  return expected;
}

const PlanReadBack kMsfs2024ReadBack = {&kAceXmlReader, ExpectedMsfs2024Points, kAceXmlDegrees, kAceXmlFeet};
