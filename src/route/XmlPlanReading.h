// What the readers of XML plan files share: the document read and its root
// element checked, where a point stands for messages, and the points gathered
// with their fields read as every reader reads them (PointFields): at most
// kMaxPlanPoints, airports at the ends that the file names without a position
// kept for the airport data to place, any other point without one refused.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "route/PlanPoints.h"
#include "route/XmlDocument.h"

// True when the first element of `bytes` is `rootName` (see XmlRootName).
bool HasXmlRoot(std::string_view bytes, std::string_view rootName);

// Reads `bytes` into `root`. False, with `problem` naming the line, when they are
// no well-formed document ("line 7: <rte> of line 5 is not closed") or its root
// element is not `rootName` ("line 2: the root element is <kml>, not <gpx>").
bool ReadXmlPlan(std::string_view bytes, std::string_view rootName, XmlElement& root, std::string& problem);

// Where a point's element stands, for messages: "line 12, rtept 3 (TRA)", the
// number counting from 1 and the parenthesis left out for an empty identifier.
std::string PointPlace(const XmlElement& element, std::string_view label, std::size_t number, std::string_view ident);

// The fields of `text` between its commas, at most `most + 1` of them: more
// than `most` says the text has too many.
std::vector<std::string_view> CommaFields(std::string_view text, std::size_t most);

// The kind `text` names in `names` (compared without regard to case, blanks at
// its ends aside); Unknown when it names none of them.
PointKind KindNamed(std::string_view text, std::initializer_list<std::pair<const char*, PointKind>> names);

// Gathers a plan's points in order, and reads their numbers for them. Every
// refusal sets `problem` to the place given and the fault.
class PlanPointGatherer {
 public:
  PlanPointGatherer(PlanPoints& plan, std::string& problem);

  // `text` (blanks at its ends aside) as decimal degrees within [-90, 90] or
  // [-180, 180]. False: "<place>: no latitude" for an empty text, "<place>: the
  // latitude \"12abc\" is no number", "<place>: the latitude \"91.5\" is out of range".
  bool ReadLatitude(std::string_view text, const std::string& place, double& degrees);
  bool ReadLongitude(std::string_view text, const std::string& place, double& degrees);
  // `text` as a finite decimal number, `what` naming it in the refusal.
  bool ReadNumber(std::string_view text, const std::string& place, const char* what, double& value);

  // Adds `point`; false, "<place>: the plan holds more than 10000 points, ...",
  // when the plan holds kMaxPlanPoints already.
  bool Add(const PlanPoint& point, const std::string& place);
  // Adds a point the file names by `ident` alone, in `element`, without its position.
  bool AddNamedOnly(std::string_view ident, PointKind kind, const XmlElement& element, const std::string& place);

  // True when the plan holds points and every one has its position, but for
  // airports (or points of no stated kind) at its ends, which the airport data
  // places. False with `emptyProblem` when it holds none, and with "TRA (line 12)
  // and WIL (line 18) are named without a position: PlanTransit has no navaid
  // database and does not guess" when it names any other point so.
  bool Finish(const char* emptyProblem);

  // Sets the problem "<place>: <fault>" and gives false.
  bool Fail(const std::string& place, const std::string& fault);

 private:
  PlanPoints& plan_;
  std::string& problem_;
  std::vector<std::pair<std::size_t, std::string>> namedOnly_;  // each point's index and where the file names it
};
