// The five targets a FliteStar route fills beyond the simulators' own plans (GFP,
// PMDG, FLP, FlightGear, KML) byte for byte for the worked route and the route of
// every edge, and the rules readers hold them to: positions across the date line,
// no negative zero, and a point whose identifier no database knows written as a
// user point. What independent readers take from these files is checked in
// tests/readers.
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "route/AirportLookup.h"
#include "support/Files.h"
#include "support/TestRoutes.h"
#include "writers/FgfpWriter.h"
#include "writers/FlpWriter.h"
#include "writers/GfpWriter.h"
#include "writers/KmlWriter.h"
#include "writers/PmdgWriter.h"
#include "writers/WriterTestSupport.h"

namespace {

struct NewTarget {
  PlanWriter writer;
  const char* golden;  // folder and extension of its golden files
  const char* extension;
};

constexpr NewTarget kNewTargets[] = {
    {WriteGfpPlan, "gfp", ".gfp"},    {WritePmdgPlan, "pmdg", ".rte"}, {WriteFlpPlan, "flp", ".flp"},
    {WriteFgfpPlan, "fgfp", ".fgfp"}, {WriteKmlPlan, "kml", ".kml"},
};

TEST(NewTargets, ZurichGenevaMatchesTheGoldenFiles) {
  for (const NewTarget& target : kNewTargets) {
    SCOPED_TRACE(target.golden);
    EXPECT_TRUE(MatchesGolden(WrittenBy(ZurichGenevaPlan(), target.writer),
                              std::string(target.golden) + "/zurich-geneva" + target.extension));
  }
}

TEST(NewTargets, ARouteOfEveryEdgeMatchesTheGoldenFiles) {
  TestPlan plan = EveryEdgePlan();
  for (const NewTarget& target : kNewTargets) {
    SCOPED_TRACE(target.golden);
    EXPECT_TRUE(
        MatchesGolden(WrittenBy(plan, target.writer), std::string(target.golden) + "/every-edge" + target.extension));
  }
}

TEST(NewTargets, PositionsNamesAndNumbersAreWrittenAsReadersTakeThem) {
  const struct {
    const char* what;
    PlanWriter writer;
    const char* text;  // lines of the plan, unindented
  } cases[] = {
      {"GFP: 180 east is 180 west; unknown and plain points by position", WriteGfpPlan,
       "FPN/RI:F:NFFN:F:S18300W178000:F:S19000W180000:F:NFTF\n"},
      {"PMDG: 180 east is 180 west, no negative zero", WritePmdgPlan,
       "NFFN\n1\nDIRECT\n1 S 17.750000 W 180.000000 0\n-----\n1\n0\n\n1\n0\n"},
      {"PMDG: an identifier with an accent is named by its position", WritePmdgPlan,
       "1830S17800W\n5\nDIRECT\n1 S 18.500000 W 178.000000 9000\n"},
      {"PMDG: a plain position is named by its position, not as the VOR POS", WritePmdgPlan,
       "1900S18000W\n5\nDIRECT\n1 S 19.000000 W 180.000000 0\n0\n0\n0\n\n"},
      {"FLP: unknown and plain points named by position, 180 east is 180 west", WriteFlpPlan,
       "DctWpt1=1830S17800W\nDctWpt1Coordinates=-18.500000,-178.000000\n"
       "DctWpt2=1900S18000W\nDctWpt2Coordinates=-19.000000,-180.000000\n"},
      {"FlightGear: an identifier with an accent is a basic point with its own label", WriteFgfpPlan,
       "<type type=\"string\">basic</type>\n<ident type=\"string\">\xC3\x89LA</ident>\n"},
      {"FlightGear: a plain position is a basic point; 180 west; no negative zero", WriteFgfpPlan,
       "<type type=\"string\">basic</type>\n<ident type=\"string\">POS</ident>\n"
       "<lat type=\"double\">-19.000000</lat>\n<lon type=\"double\">-180.000000</lon>\n"
       "<alt-restrict type=\"string\">at</alt-restrict>\n<altitude-ft type=\"double\">0.00</altitude-ft>\n"},
      {"KML: no name for an airport not found; 180 west; no negative zero", WriteKmlPlan,
       "<name>NFFN</name>\n<description>airport, 0 ft</description>\n<Point>\n"
       "<altitudeMode>absolute</altitudeMode>\n<coordinates>-180.000000,-17.750000,0.00</coordinates>\n"},
      {"KML: names in UTF-8, no blank after a cut name", WriteKmlPlan,
       "<description>Fua'amotu International Airport Tongatapu Kingdom, airport, 126 ft</description>\n"},
      {"KML: the label keeps the accent", WriteKmlPlan, "<name>\xC3\x89LA</name>\n<description>VOR, 9000 ft"},
  };
  TestPlan plan = DateLinePlan();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string written = Unindented(WrittenBy(plan, c.writer));
    EXPECT_NE(std::string::npos, written.find(c.text)) << written;
  }
}

}  // namespace
