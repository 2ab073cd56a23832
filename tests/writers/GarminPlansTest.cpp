// The Garmin plans' waypoints as the unit looks them up: a point whose identifier
// the writer had to change, or had to rename for a clash, is a user waypoint of a
// name no other point of the route has; the plan of user waypoints leaves only
// the airports to the unit's database.
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "writers/GarminUserWriter.h"
#include "writers/GarminWriter.h"
#include "writers/WriterTestSupport.h"

namespace {

struct Fix {
  char type;
  const char* ident;
  double minutes;  // north of N47 00.00, at E8 00.00: equal minutes, one place
};

// LSZH, the fixes, LSGG.
TestPlan PlanThrough(const std::vector<Fix>& fixes) {
  TestPlan plan;
  AddTestRow(plan.route, 'A', "LSZH", "Zurich", 'N', 47, 27.48, 'E', 8, 32.88, 1416);
  for (const Fix& fix : fixes) {
    AddTestRow(plan.route, fix.type, fix.ident, fix.ident, 'N', 47, fix.minutes, 'E', 8, 0, 5000);
  }
  AddTestRow(plan.route, 'A', "LSGG", "Geneva", 'N', 46, 14.28, 'E', 6, 6.54, 1411);
  return plan;
}

// "IDENT TYPE" of each route point between the airports, joined by ", ", and
// the number of table entries.
std::string RoutePoints(const std::string& fpl) {
  static const std::regex point("<waypoint-identifier>([^<]*)</waypoint-identifier>\r\n *"
                                "<waypoint-type>([^<]*)</waypoint-type>");
  std::vector<std::string> points;
  for (std::sregex_iterator it(fpl.begin(), fpl.end(), point), end; it != end; ++it) {
    points.push_back((*it)[1].str() + " " + (*it)[2].str());
  }
  std::string text;
  for (std::size_t i = 1; i + 1 < points.size(); ++i) text += (i > 1 ? ", " : "") + points[i];
  std::size_t entries = 0;
  for (std::size_t at = 0; (at = fpl.find("<waypoint>", at)) != std::string::npos; ++at) ++entries;
  return text + " (" + std::to_string(entries) + " entries)";
}

TEST(GarminPlans, NamesTheUnitCannotLookUpAreUserWaypointsOfFreeNames) {
  const struct {
    const char* what;
    PlanWriter writer;
    std::vector<Fix> fixes;
    const char* points;
  } cases[] = {
      {"characters dropped", WriteGarminPlan, {{'I', "A-1", 1}}, "A1 USER WAYPOINT (3 entries)"},
      {"nothing left", WriteGarminPlan, {{'N', "-", 1}}, "WPT2 USER WAYPOINT (3 entries)"},
      {"the same changed point twice",
       WriteGarminPlan,
       {{'I', "A-1", 1}, {'V', "TRA", 2}, {'I', "A-1", 1}},
       "A1 USER WAYPOINT, TRA VOR, A1 USER WAYPOINT (4 entries)"},
      {"a repeat before the route's own ABC2",
       WriteGarminPlan,
       {{'I', "ABC", 1}, {'I', "ABC", 2}, {'I', "ABC2", 3}},
       "ABC INT, ABC3 USER WAYPOINT, ABC2 INT (5 entries)"},
      {"a cleaned A-1 before the real A1",
       WriteGarminPlan,
       {{'I', "A-1", 1}, {'I', "A1", 2}},
       "A12 USER WAYPOINT, A1 INT (4 entries)"},
      {"every en-route point a user waypoint",
       WriteGarminUserPlan,
       {{'V', "TRA", 1}, {'N', "ZH", 2}, {'I', "A-1", 3}, {'U', "POS", 4}},
       "TRA USER WAYPOINT, ZH USER WAYPOINT, A1 USER WAYPOINT, POS USER WAYPOINT (6 entries)"},
      {"a VOR and an NDB of one identifier, as user waypoints",
       WriteGarminUserPlan,
       {{'V', "ABC", 1}, {'N', "ABC", 2}, {'N', "ABC", 1}},
       "ABC USER WAYPOINT, ABC2 USER WAYPOINT, ABC USER WAYPOINT (4 entries)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.points, RoutePoints(WrittenBy(PlanThrough(c.fixes), c.writer)));
  }
}

}  // namespace
