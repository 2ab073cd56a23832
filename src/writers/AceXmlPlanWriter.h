// What the XML flight plans of Microsoft's simulators share (FSX and Prepar3D, MSFS 2020, MSFS 2024's EFB): the
// waypoint ids their readers take, the ATC waypoint with its position, the flight type and the runway as they name it.
#pragma once

#include <string>
#include <vector>

#include "route/PlanPoints.h"
#include "route/RouteTable.h"
#include "writers/PlanInput.h"
#include "writers/PlanStream.h"

class XmlWriter;

// The simulator version a plan names; add-ons are known to refuse a plan of another.
struct AceAppVersion {
  const char* major;
  const char* build;
};

// Writes the flight plan of FSX, Prepar3D and MSFS 2020 (at least two rows), naming `version`: the header with the
// flight and route type, both airports, the departure runway when it is one the simulator can name, then every row
// as an ATC waypoint (AceWaypoints). Names are plain ASCII, which the simulators require; an airport the data file
// did not have gets no name.
void WriteAceXmlPlan(const PlanInput& plan, PlanStream& out, const AceAppVersion& version);

// A row as an ATC waypoint: the id it is written under and the type the simulator finds it by.
struct AceWaypoint {
  std::string id;    // letters, digits, '_' and blank; 1 to 10 characters
  const char* type;  // "Airport", "VOR", "NDB", "Intersection" or "User"
};

// The route's rows as ATC waypoints, in order. Each id is the row's ident as FSX and Prepar3D take it (they ignore
// a plan with any other): in ASCII, other characters left out, cut to 10 characters, and "WPT" with the row's
// number (from 1) when nothing is left. A row is a User point, placed by its position alone, when it is a plain
// position, when its ident had to be changed (the simulator would find another facility or none by that name), and
// when the first row of its id is at another position (the simulator would put both at the first).
std::vector<AceWaypoint> AceWaypoints(const RouteTable& route);

// Writes `row` as <ATCWaypoint id="..."> with its type, its WorldPosition and an ICAO block naming the id: MSFS 2020
// with third-party navigation data puts a waypoint without one, a user point too, at the North Pole.
void WriteAceWaypoint(XmlWriter& xml, const WaypointRow& row, const AceWaypoint& waypoint);

// The FPType: "IFR" or "VFR"; no type chosen is the window's default, VFR.
const char* AceFlightRules(FlightRules rules);

// A runway as MSFS names it.
struct AceRunway {
  std::string number;  // 1 to 36, no leading zero
  std::string side;    // "L", "C", "R" or ""
};

// The runway of a chosen runway text ("07C 13123 " is 7 and C); false, with `named` empty, for no runway and for a
// word that is no runway designator (a helipad, a water lane), which a plan leaves out.
bool AceRunwayOf(const char* runway, AceRunway& named);

// How closely a plan of these simulators keeps what it was written for: positions to the hundredth of an arc
// second, altitudes to the hundredth of a foot.
constexpr double kAceXmlDegrees = 1.0 / 360000.0;
constexpr double kAceXmlFeet = 0.01;

// The kind of point an ATCWaypointType names.
PointKind AcePointKind(const char* type);

// The points WriteAceXmlPlan writes for `plan`: every row under the id and type AceWaypoints gives it, at the row's
// position and altitude; the departure runway when it is one the simulator can name.
PlanPoints ExpectedAceXmlPoints(const PlanInput& plan);
