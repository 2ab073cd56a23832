// The readers of the XML plans: files other programs wrote, the kinds told apart by
// content alone, and every way a file is refused, each with its exact problem.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "ReaderCases.h"
#include "route/AceXmlReader.h"
#include "route/FgfpReader.h"
#include "route/GarminReader.h"
#include "route/GpxReader.h"
#include "route/KmlReader.h"
#include "route/LnmplnReader.h"
#include "route/PlanReaders.h"
#include "route/SimBriefReader.h"

namespace {

TEST(XmlReaders, ReadPlansOtherProgramsWroteAndTheFormatsDocumentationShows) {
  ExpectEachReads({
      {"MSFS SDK template", kAceXmlReader, Sample("msfs-xml/sdk-flight-plan-template.pln"),
       "PADU A 53.898853 -166.544661 0 | POI U 53.903350 -166.443786 0", "", ""},
      {"Little Navmap manual", kLnmplnReader, Sample("lnmpln/kykm-cylw.lnmpln"),
       "KYKM A 46.568199 -120.543999 1069 | USERPT U 47.676601 -120.848000 24961 | DIABO I 48.833759 -120.937080 "
       "30000 | IWACK I 48.932140 -120.837067 30000 | CFKNF I 49.000000 -120.767761 30000 | CYLW A 49.957199 "
       "-119.377998 1461",
       "09", "16"},
      {"SimBrief OFP, without the top of climb and descent", kSimBriefReader, Sample("simbrief/kjfk-kbos.xml"),
       "KJFK A 40.639751 -73.778925 13 | GREKI I 41.479964 -73.314036 17400 | JUDDS I 41.690556 -72.737222 24000 | "
       "BDL V 41.940889 -72.688750 24000 | KBOS A 42.364347 -71.005181 20",
       "31L", "04R"},
      {"Garmin schema's shape", kGarminReader, Sample("garmin/kbfi-kpae.fpl"),
       "KBFI A 47.529998 -122.301941 18 | SEA V 47.435375 -122.309639 - | LAKEUNION U 47.639722 -122.333611 - | "
       "KPAE A 47.906342 -122.281564 610",
       "", ""},
      {"gpsbabel route, GPX 1.1", kGpxReader, Sample("gpx/route-1.1.gpx"),
       "KPAO ? 37.461111 -122.115000 7 | OSI ? 37.392500 -122.281306 4500 | KHAF ? 37.513333 -122.501111 66", "", ""},
      {"gpsbabel waypoints alone, GPX 1.0", kGpxReader, Sample("gpx/waypoints-1.0.gpx"),
       "KPAO ? 37.461111 -122.115000 7 | OSI ? 37.392500 -122.281306 4500 | KHAF ? 37.513333 -122.501111 66", "", ""},
      {"gpsbabel track, GPX 1.1", kGpxReader, Sample("gpx/track-1.1.gpx"),
       "KPAO ? 37.461111 -122.115000 7 | OSI ? 37.392500 -122.281306 4500 | KHAF ? 37.513333 -122.501111 66", "", ""},
      {"gpsbabel KML: the path named by its placemarks, clamped to the ground", kKmlReader,
       Sample("kml/gpsbabel-route.kml"),
       "KPAO ? 37.461111 -122.115000 - | OSI ? 37.392500 -122.281306 - | KHAF ? 37.513333 -122.501111 -", "", ""},
      {"FlightGear route", kFgfpReader, Sample("fgfp/lfpo-eddf.fgfp"),
       "LFPO A 48.726708 2.368722 - | RANUX ? 49.138889 4.361667 29400 | USR1 U 49.333611 5.096944 29000 | EDDF A "
       "50.033306 8.570456 -",
       "06", "25C"},
  });
}

// An MSFS 2024 EFB plan names its airports, and any navaid, by ICAO ident alone:
// the airports are left for the airport data to place, the navaids refused.
TEST(XmlReaders, AnEfbPlanKeepsItsAirportsNamedAndRefusesNavaidsByRegion) {
  PlanPoints plan;
  std::string problem;
  EXPECT_FALSE(kAceXmlReader.read(Sample("msfs-xml/efb-kdpa-kstl.pln"), plan, problem));
  EXPECT_EQ(
      "JOT (line 17), OBK (line 24) and MEDAN (line 31) are named without a position: PlanTransit has no navaid "
      "database and does not guess",
      problem);
  ASSERT_TRUE(kAceXmlReader.read(Golden("msfs2024/zurich-geneva.pln"), plan, problem)) << problem;
  EXPECT_EQ("LSZH A named - | TRA U 47.689167 8.437000 5500 | LSGG A named -", Described(plan));
  EXPECT_EQ("16", plan.departureRunway);
  EXPECT_EQ("23", plan.destinationRunway);
}

std::string Gpx(const std::string& content) { return "<gpx version=\"1.1\">" + content + "</gpx>"; }

std::string AcePlan(const std::string& content) {
  return "<SimBase.Document><FlightPlan.FlightPlan>" + content + "</FlightPlan.FlightPlan></SimBase.Document>";
}

std::string AceWaypoint(const std::string& id, const std::string& position) {
  return "<ATCWaypoint id=\"" + id + "\"><ATCWaypointType>User</ATCWaypointType><WorldPosition>" + position +
         "</WorldPosition></ATCWaypoint>";
}

std::string Lnm(const std::string& waypoints) {
  return "<LittleNavmap><Flightplan><Waypoints>" + waypoints + "</Waypoints></Flightplan></LittleNavmap>";
}

std::string LnmWaypoint(const std::string& ident, const std::string& position) {
  return "<Waypoint><Ident>" + ident + "</Ident><Type>WAYPOINT</Type>" + position + "</Waypoint>";
}

std::string Ofp(const std::string& fixes) {
  return "<OFP><origin><icao_code>KJFK</icao_code><pos_lat>40.6</pos_lat><pos_long>-73.7</pos_long></origin>"
         "<navlog>" +
         fixes +
         "</navlog><destination><icao_code>KBOS</icao_code><pos_lat>42.3</pos_lat>"
         "<pos_long>-71.0</pos_long></destination></OFP>";
}

std::string Fix(const std::string& ident, const std::string& position) {
  return "<fix><ident>" + ident + "</ident><type>wpt</type>" + position + "</fix>";
}

std::string GarminPlan(const std::string& table, const std::string& route) {
  return "<flight-plan><waypoint-table>" + table + "</waypoint-table><route>" + route + "</route></flight-plan>";
}

std::string GarminEntry(const std::string& identifier, const std::string& lat) {
  return "<waypoint><identifier>" + identifier + "</identifier><type>INT</type><country-code/><lat>" + lat +
         "</lat><lon>2</lon></waypoint>";
}

std::string GarminPoint(const std::string& identifier) {
  return "<route-point><waypoint-identifier>" + identifier +
         "</waypoint-identifier><waypoint-type>INT</waypoint-type><waypoint-country-code/></route-point>";
}

std::string Kml(const std::string& content) { return "<kml><Document>" + content + "</Document></kml>"; }

std::string KmlPoint(const std::string& name, const std::string& coordinates) {
  return "<Placemark><name>" + name + "</name><Point><coordinates>" + coordinates +
         "</coordinates></Point></Placemark>";
}

std::string Fgfp(const std::string& wps) { return "<PropertyList><route>" + wps + "</route></PropertyList>"; }

std::string Wp(const std::string& ident, const std::string& position) {
  return "<wp><ident>" + ident + "</ident>" + position + "</wp>";
}

TEST(XmlReaders, RefuseWhatTheyCannotReadWholeSayingWhereAndWhat) {
  const std::string fsx = Golden("fsx/zurich-geneva.pln");
  ExpectEachRefused({
      // MSFS, FSX, Prepar3D
      {"pln cut in half", kAceXmlReader, FirstHalf(fsx), "line 21: the document ends inside the tag <A>"},
      {"pln of another root", kAceXmlReader, "<SimBase.Documents/>",
       "line 1: the root element is <SimBase.Documents>, not <SimBase.Document>"},
      {"pln without its flight plan", kAceXmlReader,
       "<SimBase.Document><Descr>AceXML Document</Descr></SimBase.Document>",
       "line 1: it holds no <FlightPlan.FlightPlan>"},
      {"pln latitude beyond the pole", kAceXmlReader, AcePlan(AceWaypoint("TRA", "N90° 0' 0.01\",E8° 0' 0.00\"")),
       "line 1, ATCWaypoint 1 (TRA): the WorldPosition \"N90° 0' 0.01\",E8° 0' 0.00\"\" is out of range"},
      {"pln minutes of 60", kAceXmlReader, AcePlan(AceWaypoint("TRA", "N47° 60' 0.00\",E8° 0' 0.00\",+0")),
       "line 1, ATCWaypoint 1 (TRA): the WorldPosition \"N47° 60' 0.00\",E8° 0' 0.00\",+0\" is out of range"},
      {"pln position half a number", kAceXmlReader, AcePlan(AceWaypoint("TRA", "N47° 12abc' 0.00\",E8° 0' 0.00\"")),
       "line 1, ATCWaypoint 1 (TRA): the WorldPosition \"N47° 12abc' 0.00\",E8° 0' 0.00\"\" is no position"},
      {"pln altitude half a number", kAceXmlReader, AcePlan(AceWaypoint("TRA", "N47° 1' 0.00\",E8° 0' 0.00\",+12ft")),
       "line 1, ATCWaypoint 1 (TRA): the altitude \"+12ft\" is no number"},
      {"pln in decimal degrees", kAceXmlReader, AcePlan(AceWaypoint("TRA", "47.5,8.5,0")),
       "line 1, ATCWaypoint 1 (TRA): the WorldPosition \"47.5,8.5,0\" is no position"},
      {"pln without waypoints", kAceXmlReader, AcePlan("<DepartureID>LSZH</DepartureID>"), "it holds no ATCWaypoint"},
      {"pln of more points than a plan holds", kAceXmlReader,
       AcePlan(Repeated(AceWaypoint("A", "N1° 0' 0.00\",E2° 0' 0.00\""), 10001)),
       "line 1, ATCWaypoint 10001 (A): the plan holds more than 10000 points, more than PlanTransit reads"},
      // Little Navmap
      {"lnmpln cut in half", kLnmplnReader, FirstHalf(Sample("lnmpln/kykm-cylw.lnmpln")),
       "line 48: the document ends inside a tag"},
      {"lnmpln of another root", kLnmplnReader, "<LittleNavMap><Flightplan/></LittleNavMap>",
       "line 1: the root element is <LittleNavMap>, not <LittleNavmap>"},
      {"an aircraft performance file", kLnmplnReader, "<LittleNavmap><AircraftPerf/></LittleNavmap>",
       "line 1: it holds no <Flightplan>"},
      {"lnmpln longitude out of range", kLnmplnReader, Lnm(LnmWaypoint("A", "<Pos Lon=\"-180.5\" Lat=\"1\"/>")),
       "line 1, Waypoint 1 (A): the longitude \"-180.5\" is out of range"},
      {"lnmpln waypoint without a position", kLnmplnReader,
       Lnm(LnmWaypoint("A", "<Pos Lon=\"1\" Lat=\"1\"/>") + LnmWaypoint("WIL", "")),
       "WIL (line 1) is named without a position: PlanTransit has no navaid database and does not guess"},
      {"lnmpln of more points than a plan holds", kLnmplnReader,
       Lnm(Repeated(LnmWaypoint("A", "<Pos Lon=\"1\" Lat=\"1\"/>"), 10001)),
       "line 1, Waypoint 10001 (A): the plan holds more than 10000 points, more than PlanTransit reads"},
      // SimBrief
      {"OFP cut in half", kSimBriefReader, FirstHalf(Sample("simbrief/kjfk-kbos.xml")),
       "line 63: the document ends inside the tag <dista>"},
      {"OFP of another root", kSimBriefReader, "<ofp/>", "line 1: the root element is <ofp>, not <OFP>"},
      {"OFP without its destination", kSimBriefReader, "<OFP><origin><icao_code>KJFK</icao_code></origin></OFP>",
       "line 1: it holds no <destination>"},
      {"OFP latitude out of range", kSimBriefReader, Ofp(Fix("GREKI", "<pos_lat>-91</pos_lat><pos_long>1</pos_long>")),
       "line 1, fix 1 (GREKI): the latitude \"-91\" is out of range"},
      {"OFP fix without a position", kSimBriefReader, Ofp(Fix("GREKI", "")),
       "GREKI (line 1) is named without a position: PlanTransit has no navaid database and does not guess"},
      {"OFP of more points than a plan holds", kSimBriefReader,
       Ofp(Repeated(Fix("A", "<pos_lat>1</pos_lat><pos_long>1</pos_long>"), 10001)),
       "line 1, fix 10000 (A): the plan holds more than 10000 points, more than PlanTransit reads"},
      // Garmin
      {"fpl cut in half", kGarminReader, FirstHalf(Sample("garmin/kbfi-kpae.fpl")),
       "line 34: the document ends inside a tag"},
      {"fpl of another root", kGarminReader, "<flightplan/>",
       "line 1: the root element is <flightplan>, not <flight-plan>"},
      {"fpl latitude half a number", kGarminReader, GarminPlan(GarminEntry("A", "47.5N"), GarminPoint("A")),
       "line 1, waypoint 1 (A): the latitude \"47.5N\" is no number"},
      {"fpl route point of no table entry", kGarminReader,
       GarminPlan(GarminEntry("A", "1"), GarminPoint("A") + GarminPoint("TRA")),
       "TRA (line 1) is named without a position: PlanTransit has no navaid database and does not guess"},
      {"fpl table entry twice", kGarminReader,
       GarminPlan(GarminEntry("A", "1") + GarminEntry("A", "2"), GarminPoint("A")),
       "line 1, waypoint 2 (A): the table holds this identifier, type and country code twice"},
      {"fpl of more points than a plan holds", kGarminReader,
       GarminPlan(GarminEntry("A", "1"), Repeated(GarminPoint("A"), 10001)),
       "line 1, route-point 10001 (A): the plan holds more than 10000 points, more than PlanTransit reads"},
      // GPX
      {"gpx cut in half", kGpxReader, FirstHalf(Sample("gpx/route-1.1.gpx")),
       "line 11: <rtept> of line 8 is not closed"},
      {"gpx of another root", kGpxReader, "<?xml version=\"1.0\"?>\n<GPX/>",
       "line 2: the root element is <GPX>, not <gpx>"},
      {"gpx latitude out of range", kGpxReader, Gpx("<wpt lat=\"90.000001\" lon=\"0\"/>"),
       "line 1, wpt 1: the latitude \"90.000001\" is out of range"},
      {"gpx point without a longitude", kGpxReader, Gpx("<rte><rtept lat=\"1\"><name>A</name></rtept></rte>"),
       "line 1, rtept 1 (A): no longitude"},
      {"gpx elevation of no number", kGpxReader, Gpx("<wpt lat=\"1\" lon=\"1\"><ele>inf</ele></wpt>"),
       "line 1, wpt 1: the elevation \"inf\" is no number"},
      {"gpx of two routes", kGpxReader, Gpx("<rte/>\n<rte/>"),
       "line 2: it holds 2 routes (rte); PlanTransit reads a file of one"},
      {"gpx of two tracks and no route", kGpxReader, Gpx("<trk/>\n<trk/>\n<trk/>"),
       "line 2: it holds 3 tracks (trk) and no route; PlanTransit reads a file of one"},
      {"gpx without points", kGpxReader, Gpx("<metadata/>"), "it holds no route, track or waypoint with points"},
      {"gpx of more points than a plan holds", kGpxReader,
       Gpx("<rte>" + Repeated("<rtept lat=\"1\" lon=\"2\"/>", 10001) + "</rte>"),
       "line 1, rtept 10001: the plan holds more than 10000 points, more than PlanTransit reads"},
      // KML
      {"kml cut in half", kKmlReader, FirstHalf(Sample("kml/gpsbabel-route.kml")),
       "line 90: <description> of line 90 is not closed"},
      {"kml of another root", kKmlReader, "<gpx/>", "line 1: the root element is <gpx>, not <kml>"},
      {"kml longitude out of range", kKmlReader, Kml(KmlPoint("A", "180.1,1")),
       "line 1, Placemark 1 (A): the longitude \"180.1\" is out of range"},
      {"kml coordinates of one number", kKmlReader, Kml(KmlPoint("A", "8.5")),
       "line 1, Placemark 1 (A): the coordinates \"8.5\" are no lon,lat[,alt]"},
      {"kml point of two places", kKmlReader, Kml(KmlPoint("A", "1,1 2,2")),
       "line 1, Placemark 1 (A): its Point holds 2 coordinates, not 1"},
      {"kml of two lines", kKmlReader,
       Kml("<Placemark><LineString/></Placemark>\n<Placemark><LineString/></Placemark>"),
       "line 2: it holds 2 lines (LineString); PlanTransit reads a file of one"},
      {"kml of more points than a plan holds", kKmlReader,
       Kml("<Placemark><LineString><coordinates>" + Repeated("1,2 ", 10001) +
           "</coordinates></LineString></Placemark>"),
       "line 1, LineString point 10001: the plan holds more than 10000 points, more than PlanTransit reads"},
      // FlightGear
      {"fgfp cut in half", kFgfpReader, FirstHalf(Sample("fgfp/lfpo-eddf.fgfp")),
       "line 24: the document ends inside the end tag </altitud>"},
      {"fgfp of another root", kFgfpReader, "<propertylist><route/></propertylist>",
       "line 1: the root element is <propertylist>, not <PropertyList>"},
      {"fgfp without a route", kFgfpReader, "<PropertyList><flightplan/></PropertyList>",
       "line 1: it holds no <route>"},
      {"fgfp latitude out of range", kFgfpReader, Fgfp(Wp("A", "<lat>100</lat><lon>1</lon>")),
       "line 1, wp 1 (A): the latitude \"100\" is out of range"},
      {"fgfp wp without a position", kFgfpReader,
       Fgfp(Wp("A", "<lat>1</lat><lon>1</lon>") + "\n" + Wp("TRA", "") + Wp("WIL", "") +
            Wp("B", "<lat>1</lat><lon>1</lon>")),
       "TRA (line 2) and WIL (line 2) are named without a position: PlanTransit has no navaid database and does not "
       "guess"},
      {"fgfp of more points than a plan holds", kFgfpReader, Fgfp(Repeated(Wp("A", "<lat>1</lat><lon>1</lon>"), 10001)),
       "line 1, wp 10001 (A): the plan holds more than 10000 points, more than PlanTransit reads"},
  });
}

// ` a0="0" a1="1" ...`, `count` attributes of different names.
std::string Attributes(int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += " a" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
  return out;
}

// Airports the file names at the ends without their positions are read named,
// for the airport data to place; so are points of no stated kind there.
TEST(XmlReaders, ReadAirportsAtTheEndsNamedWithoutAPosition) {
  ExpectEachReads({
      {"Little Navmap airports without Pos", kLnmplnReader,
       Lnm("<Waypoint><Ident>KYKM</Ident><Type>AIRPORT</Type></Waypoint>" +
           LnmWaypoint("DIABO", "<Pos Lon=\"-120.93708\" Lat=\"48.833759\"/>") +
           "<Waypoint><Ident>CYLW</Ident><Type>AIRPORT</Type></Waypoint>"),
       "KYKM A named - | DIABO I 48.833759 -120.937080 - | CYLW A named -", "", ""},
      {"SimBrief airports without pos_lat, pos_long", kSimBriefReader,
       "<OFP><origin><icao_code>KJFK</icao_code></origin><navlog/><destination><icao_code>KBOS</icao_code>"
       "<plan_rwy>04R</plan_rwy></destination></OFP>",
       "KJFK A named - | KBOS A named -", "", "04R"},
      {"Garmin airports of no table entry", kGarminReader,
       "<flight-plan><waypoint-table/><route><route-point><waypoint-identifier>KBFI</waypoint-identifier>"
       "<waypoint-type>AIRPORT</waypoint-type></route-point><route-point><waypoint-identifier>KPAE"
       "</waypoint-identifier><waypoint-type>AIRPORT</waypoint-type></route-point></route></flight-plan>",
       "KBFI A named - | KPAE A named -", "", ""},
      {"FlightGear ends without lat, lon", kFgfpReader,
       "<PropertyList><departure><airport>LSZH</airport></departure><route>" + Wp("LSZH", "") + Wp("LSGG", "") +
           "</route></PropertyList>",
       "LSZH A named - | LSGG ? named -", "", ""},
  });
}

// The XML document reader under every reader, through the GPX reader: what a
// well-formed document may hold is read, what it may not is refused with its line.
struct DocumentCase {
  const char* name;
  std::string bytes;
  const char* result;  // the first point's identifier when read, else the problem
};

TEST(XmlReaders, ReadWellFormedDocumentsAndRefuseTheRest) {
  const std::string point = "<wpt lat=\"1\" lon=\"2\"><name>A</name></wpt>";
  std::string deepest = Repeated("<x>", 63) + Repeated("</x>", 63);
  std::string deeper = Repeated("<x>", 64) + Repeated("</x>", 64);
  const DocumentCase cases[] = {
      {"byte order mark, declaration, comments, doctype with its own declarations",
       "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- <kml> -->\n<!DOCTYPE gpx [ <!ENTITY x \"y\"> ]>\n" + Gpx(point), "A"},
      {"entities and character references",
       Gpx("<wpt lat='1' lon='2'><name>A&amp;B &lt;&gt;&quot;&apos; &#65;&#x42;&#xE9;</name></wpt>"),
       "A&B <>\"' AB\xC3\xA9"},
      {"CDATA, comments and processing instructions inside",
       Gpx("<wpt lat=\"1\" lon=\"2\"><!-- c --><?pi x?><name><![CDATA[<TRA> & co]]></name></wpt>"), "<TRA> & co"},
      {"as deep as a plan may be", Gpx(deepest + point), "A"},
      {"as many elements as a plan may hold", Gpx(point + Repeated("<a/>", 199997)), "A"},
      {"nothing", "", "line 1: the document holds no element"},
      {"a byte order mark alone", "\xEF\xBB\xBF \n", "line 2: the document holds no element"},
      {"deeper than a plan may be", Gpx(deeper), "line 1: elements nested deeper than a plan holds"},
      {"more elements than a plan may hold", Gpx(point + Repeated("<a/>", 199998)),
       "line 1: more elements than a plan holds"},
      {"an unknown entity", Gpx("<wpt lat=\"1\" lon=\"2\"><name>&nbsp;</name></wpt>"),
       "line 1: an unknown entity &nbsp;"},
      {"an entity that does not end", Gpx("<wpt lat=\"1&amp\" lon=\"2\"/>"), "line 1: an entity does not end"},
      {"a reference beyond Unicode", Gpx("<wpt lat=\"1\" lon=\"2\"><name>&#x110000;</name></wpt>"),
       "line 1: a character reference beyond Unicode"},
      {"an end tag of another element", "<gpx>\n<rte>\n</gpx>", "line 3: </gpx> closes <rte>"},
      {"an element never closed", "<gpx>\n<rte>\n", "line 3: <rte> of line 2 is not closed"},
      {"a second root", Gpx("") + "\n<gpx/>", "line 2: a second root element"},
      {"text after the root", Gpx("") + "\nx", "line 2: text outside the root element"},
      {"an attribute twice", Gpx("<wpt lat=\"1\" lat=\"2\"/>"), "line 1: the attribute lat is given twice"},
      {"a name longer than a plan holds", Gpx("<" + std::string(257, 'a') + "/>"),
       "line 1: a name longer than a plan holds"},
      {"as many attributes as an element may hold",
       Gpx("<wpt lat=\"1\" lon=\"2\"" + Attributes(62) + "><name>A</name></wpt>"), "A"},
      {"more attributes than an element may hold", Gpx("<wpt lat=\"1\" lon=\"2\"" + Attributes(63) + "/>"),
       "line 1: more attributes than a plan holds"},
      {"an attribute without quotes", Gpx("<wpt lat=1/>"), "line 1: an attribute value is not quoted"},
      {"a comment that does not end", Gpx("<!-- "), "line 1: a comment does not end"},
      {"a CDATA section that does not end", Gpx("<wpt><name><![CDATA[x"), "line 1: a CDATA section does not end"},
  };
  for (const DocumentCase& c : cases) {
    SCOPED_TRACE(c.name);
    PlanPoints plan;
    std::string problem;
    bool read = kGpxReader.read(c.bytes, plan, problem);
    EXPECT_EQ(c.result, read ? plan.points.front().ident : problem);
  }
}

// Each kind by its root element, whatever comes before it; files of the same
// root that hold no plan are left to other readers, or to none.
TEST(XmlReaders, RecognizeTheirKindByContentAlone) {
  struct Recognition {
    const char* name;
    std::string bytes;
    const PlanReader* reader;
  };
  const Recognition cases[] = {
      {"our FSX plan", Golden("fsx/zurich-geneva.pln"), &kAceXmlReader},
      {"our MSFS 2024 plan", Golden("msfs2024/zurich-geneva.pln"), &kAceXmlReader},
      {"our Garmin plan", Golden("garmin/zurich-geneva.fpl"), &kGarminReader},
      {"our GPX route", Golden("gpx/zurich-geneva.gpx"), &kGpxReader},
      {"our KML document", Golden("kml/zurich-geneva.kml"), &kKmlReader},
      {"our FlightGear route", Golden("fgfp/zurich-geneva.fgfp"), &kFgfpReader},
      {"a root after a comment naming another", "<!-- <gpx> --><kml/>", &kKmlReader},
      {"a Little Navmap performance file", "<LittleNavmap><AircraftPerf/></LittleNavmap>", nullptr},
      {"a FlightGear AI flight plan", "<PropertyList><flightplan><wpt/></flightplan></PropertyList>", nullptr},
      {"a root whose name only starts alike", "<gpxdata/>", nullptr},
      {"a comment that never ends", "<!-- <gpx/>", nullptr},
  };
  for (const Recognition& c : cases) {
    SCOPED_TRACE(c.name);
    const PlanReader* found = RecognizePlan(c.bytes);
    EXPECT_EQ(c.reader != nullptr ? c.reader->key : "none", found != nullptr ? found->key : "none");
  }
}

}  // namespace
