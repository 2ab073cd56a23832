// FSX, Prepar3D and MSFS 2020 list every point, the airports too, as an
// ATCWaypoint; the MSFS 2024 EFB lists the points between the airports and names
// the airports in its header.
#include "route/AceXmlReader.h"

#include <vector>

#include "route/PointFields.h"
#include "route/ReadNumber.h"
#include "route/XmlPlanReading.h"

namespace {

constexpr std::string_view kUtf8DegreeSign = "\xC2\xB0";
constexpr char kLatin1DegreeSign = '\xB0';
constexpr const char* kEfbAppVersion = "12";

bool Recognizes(std::string_view bytes) { return HasXmlRoot(bytes, "SimBase.Document"); }

PointKind KindOf(std::string_view type) {
  return KindNamed(type, {{"Airport", PointKind::Airport},
                          {"VOR", PointKind::Vor},
                          {"NDB", PointKind::Ndb},
                          {"Intersection", PointKind::Intersection},
                          {"User", PointKind::User}});
}

enum class AngleRead { Read, NotAnAngle, OutOfRange };

// One angle of a WorldPosition, "N47° 27' 28.80\"": the hemisphere, whole or
// decimal degrees, the degree sign (UTF-8, or the Latin-1 byte of older files),
// minutes and seconds below 60.
AngleRead ReadAngle(std::string_view text, char positive, char negative, double limit, double& value) {
  text = TrimmedXmlText(text);
  if (text.empty() || (text[0] != positive && text[0] != negative)) return AngleRead::NotAnAngle;
  double sign = text[0] == negative ? -1.0 : 1.0;
  text.remove_prefix(1);
  std::size_t degreeSign = text.find(kUtf8DegreeSign);
  std::size_t signLength = kUtf8DegreeSign.size();
  if (degreeSign == std::string_view::npos) {
    degreeSign = text.find(kLatin1DegreeSign);
    signLength = 1;
  }
  std::size_t minuteSign = text.find('\'');
  std::size_t secondSign = text.find('"');
  if (degreeSign == std::string_view::npos || minuteSign == std::string_view::npos ||
      secondSign == std::string_view::npos || !(degreeSign < minuteSign && minuteSign < secondSign) ||
      !TrimmedXmlText(text.substr(secondSign + 1)).empty()) {
    return AngleRead::NotAnAngle;
  }
  double degrees = 0, minutes = 0, seconds = 0;
  std::string_view minuteText = text.substr(degreeSign + signLength, minuteSign - degreeSign - signLength);
  if (!ReadDecimal(text.substr(0, degreeSign), degrees) || !ReadDecimal(TrimmedXmlText(minuteText), minutes) ||
      !ReadDecimal(TrimmedXmlText(text.substr(minuteSign + 1, secondSign - minuteSign - 1)), seconds) || degrees < 0 ||
      minutes < 0 || seconds < 0) {
    return AngleRead::NotAnAngle;
  }
  value = degrees + minutes / 60.0 + seconds / 3600.0;
  if (minutes >= 60.0 || seconds >= 60.0 || value > limit) return AngleRead::OutOfRange;
  value *= sign;
  return AngleRead::Read;
}

// A WorldPosition (or DepartureLLA, DestinationLLA): latitude, longitude and,
// where given, the altitude in feet, separated by commas.
bool ReadPosition(std::string_view text, const char* element, const std::string& place, PlanPointGatherer& points,
                  PlanPoint& point) {
  std::vector<std::string_view> parts = CommaFields(text, 3);
  std::string quoted = std::string("the ") + element + " " + Quoted(TrimmedXmlText(text));
  if (parts.size() < 2 || parts.size() > 3) return points.Fail(place, quoted + " is no position");
  AngleRead latitude = ReadAngle(parts[0], 'N', 'S', 90.0, point.latitude);
  AngleRead longitude = ReadAngle(parts[1], 'E', 'W', 180.0, point.longitude);
  if (latitude == AngleRead::NotAnAngle || longitude == AngleRead::NotAnAngle) {
    return points.Fail(place, quoted + " is no position");
  }
  if (latitude == AngleRead::OutOfRange || longitude == AngleRead::OutOfRange) {
    return points.Fail(place, quoted + " is out of range");
  }
  point.hasAltitude = parts.size() == 3;
  return !point.hasAltitude || points.ReadNumber(parts[2], place, "altitude", point.altitudeFeet);
}

bool ReadWaypoint(const XmlElement& waypoint, std::size_t number, PlanPointGatherer& points) {
  const std::string* id = waypoint.Attribute("id");
  const XmlElement* icao = waypoint.Child("ICAO");
  std::string ident = id != nullptr     ? std::string(TrimmedXmlText(*id))
                      : icao != nullptr ? icao->ChildText("ICAOIdent")
                                        : "";
  PlanPoint point{ident, KindOf(waypoint.ChildText("ATCWaypointType")), 0.0, 0.0, false, 0.0, ""};
  std::string place = PointPlace(waypoint, "ATCWaypoint", number, ident);
  const XmlElement* position = waypoint.Child("WorldPosition");
  if (position == nullptr) return points.AddNamedOnly(ident, point.kind, waypoint, place);
  return ReadPosition(position->text, "WorldPosition", place, points, point) && points.Add(point, place);
}

// An airport of an EFB plan's header: `idElement` names it, `positionElement`
// places it where present (the airport data places it otherwise).
bool ReadEnd(const XmlElement& flightPlan, const char* idElement, const char* positionElement, const char* nameElement,
             PlanPointGatherer& points) {
  const XmlElement* id = flightPlan.Child(idElement);
  PlanPoint point{flightPlan.ChildText(idElement),  PointKind::Airport, 0.0, 0.0, false, 0.0,
                  flightPlan.ChildText(nameElement)};
  if (id == nullptr || point.ident.empty()) return true;
  std::string place = "line " + std::to_string(id->line) + ", " + idElement;
  std::string position = flightPlan.ChildText(positionElement);
  if (!position.empty()) {
    return ReadPosition(position, positionElement, place, points, point) && points.Add(point, place);
  }
  return points.AddNamedOnly(point.ident, PointKind::Airport, *id, place);
}

bool IsEfbPlan(const XmlElement& flightPlan) {
  const XmlElement* version = flightPlan.Child("AppVersion");
  return (version != nullptr && version->ChildText("AppVersionMajor") == kEfbAppVersion) ||
         flightPlan.Child("DepartureDetails") != nullptr || flightPlan.Child("ArrivalDetails") != nullptr;
}

// The waypoint is the airport `idElement` names (an EFB plan may list it too).
bool IsEndAirport(const XmlElement* waypoint, const XmlElement& flightPlan, const char* idElement) {
  if (waypoint == nullptr || KindOf(waypoint->ChildText("ATCWaypointType")) != PointKind::Airport) return false;
  const std::string* id = waypoint->Attribute("id");
  return id != nullptr && !TrimmedXmlText(*id).empty() && TrimmedXmlText(*id) == flightPlan.ChildText(idElement);
}

// "2" and "LEFT" as "2L"; "" for no number.
std::string RunwayOfDetails(const XmlElement* details) {
  if (details == nullptr || details->ChildText("RunwayNumberFP").empty()) return "";
  std::string side = details->ChildText("RunwayDesignatorFP");
  std::string letter = side == "LEFT" ? "L" : side == "RIGHT" ? "R" : side == "CENTER" ? "C" : "";
  return details->ChildText("RunwayNumberFP") + letter;
}

// A DeparturePosition that is a runway ("16", "7C"), not a parking place.
std::string RunwayOfPosition(const std::string& position) {
  std::size_t digits = 0;
  while (digits < position.size() && position[digits] >= '0' && position[digits] <= '9') ++digits;
  bool side = position.size() == digits + 1 && std::string_view("LCR").find(position.back()) != std::string_view::npos;
  return digits >= 1 && digits <= 2 && (position.size() == digits || side) ? position : "";
}

void ReadRunways(const XmlElement& flightPlan, PlanPoints& plan) {
  plan.departureRunway = RunwayOfDetails(flightPlan.Child("DepartureDetails"));
  if (plan.departureRunway.empty()) plan.departureRunway = RunwayOfPosition(flightPlan.ChildText("DeparturePosition"));
  plan.destinationRunway = RunwayOfDetails(flightPlan.Child("ArrivalDetails"));
  if (plan.destinationRunway.empty()) plan.destinationRunway = RunwayOfDetails(flightPlan.Child("ApproachDetails"));
}

bool Read(std::string_view bytes, PlanPoints& plan, std::string& problem) {
  plan = PlanPoints{};
  XmlElement root;
  if (!ReadXmlPlan(bytes, "SimBase.Document", root, problem)) return false;
  const XmlElement* flightPlan = root.Child("FlightPlan.FlightPlan");
  if (flightPlan == nullptr) {
    problem = "line " + std::to_string(root.line) + ": it holds no <FlightPlan.FlightPlan>";
    return false;
  }
  std::vector<const XmlElement*> waypoints = flightPlan->Children("ATCWaypoint");
  bool efb = IsEfbPlan(*flightPlan);
  PlanPointGatherer points(plan, problem);
  if (efb && !IsEndAirport(waypoints.empty() ? nullptr : waypoints.front(), *flightPlan, "DepartureID") &&
      !ReadEnd(*flightPlan, "DepartureID", "DepartureLLA", "DepartureName", points)) {
    return false;
  }
  for (std::size_t i = 0; i < waypoints.size(); ++i) {
    if (!ReadWaypoint(*waypoints[i], i + 1, points)) return false;
  }
  if (efb && !IsEndAirport(waypoints.empty() ? nullptr : waypoints.back(), *flightPlan, "DestinationID") &&
      !ReadEnd(*flightPlan, "DestinationID", "DestinationLLA", "DestinationName", points)) {
    return false;
  }
  ReadRunways(*flightPlan, plan);
  return points.Finish("it holds no ATCWaypoint");
}

}  // namespace

const PlanReader kAceXmlReader = {"msfs-xml", "an MSFS, FSX or Prepar3D plan (.pln)", Recognizes, Read, true};
