// The readers of the text and binary plans: files other programs wrote and the
// formats' documentation shows, the plans PlanTransit writes, the kinds told
// apart by content alone, and every way a file is refused, each with its problem.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "ReaderCases.h"
#include "route/AcsGpsReader.h"
#include "route/FlpReader.h"
#include "route/GfpReader.h"
#include "route/MsfsIniReader.h"
#include "route/NavReader.h"
#include "route/PlanReaders.h"
#include "route/PmdgReader.h"
#include "route/RadarContactReader.h"
#include "route/SfpReader.h"
#include "route/SquawkBoxReader.h"
#include "route/XPlaneReader.h"

namespace {

// A binary Planner record as the two planner formats lay it out: type code,
// latitude, longitude, altitude, frequency, ident (6 bytes), name (31 bytes),
// 14 planner values and 12 reserved bytes, little-endian.
std::string PlannerRecord(int32_t code, double latitude, double longitude, double altitude, const char* ident) {
  std::string record(197, '\0');
  // The hosts the tests run on are little-endian, so a value's bytes are its field.
  auto put = [&record](std::size_t at, const void* value, std::size_t size) { std::memcpy(&record[at], value, size); };
  put(0, &code, 4);
  put(4, &latitude, 8);
  put(12, &longitude, 8);
  put(20, &altitude, 8);
  std::memcpy(&record[36], ident, std::strlen(ident));
  return record;
}

std::string PlannerHeader(int32_t marker, int32_t value) {
  std::string header(8, '\0');
  std::memcpy(&header[0], &marker, 4);
  std::memcpy(&header[4], &value, 4);
  return header;
}

// A Super Flight Planner plan of `records`, its header's length right.
std::string SfpPlan(const std::string& records) {
  return PlannerHeader(135040, static_cast<int32_t>(8 + records.size())) + records;
}

// A Nav Flight Planner plan of `count` entries, each a record and its text block.
std::string NavPlan(const std::string& record, int32_t count) {
  return PlannerHeader(10020, count) + Repeated(record + std::string(256, ' '), count);
}

TEST(TextReaders, ReadPlansOtherProgramsWroteAndTheFormatsDocumentationShows) {
  ExpectEachReads({
      {"the X-Plane article's version 1100 example: trailing blanks, an approach read over", kXPlaneReader,
       Sample("xplane/kcub-krdu.fms"),
       "KCUB A 33.970470 -80.995247 0 | CTF V 34.650497 -80.274918 0 | NOMOE I 34.880920 -79.996437 0 | "
       "LILLS I 34.935440 -79.930206 0 | SDZ V 35.215481 -79.587936 0 | OCHOC I 35.402336 -79.361153 0 | "
       "MOATS I 35.621601 -79.092964 0 | RDU V 35.872520 -78.783340 0 | KRDU A 35.877640 -78.787476 435",
       "13", "05L"},
      {"a documented version 3 plan: no via column, a lat/lon point named by its position", kXPlaneReader,
       Sample("xplane/eddm-v3.fms"),
       "EDDM A 48.364822 11.794361 0 | GL N 57.083820 9.680093 1000 | KFK V 38.803889 30.546944 2000 | "
       "DETKO I 28.097222 49.525000 1 | +13.691_+100.760 U 13.691230 100.760811 0",
       "", ""},
      {"version 3 with the type-0 entries older X-Plane plans end with", kXPlaneReader,
       "A\r\n3 version\r\n1\r\n1\r\n1 EDDM 0.000000 48.364822 11.794361\r\n1 EDDF 364 50.033333 8.570556\r\n"
       "0 ---- 0 0.000000 0.000000\r\n0 ---- 0 0.000000 0.000000\r\n",
       "EDDM A 48.364822 11.794361 0 | EDDF A 50.033333 8.570556 364", "", ""},
      {"our X-Plane plan across the south and west, a changed identifier a user point", kXPlaneReader,
       Golden("xplane/every-edge.fms"),
       "SCEL A -33.391333 -70.785500 1555 | A-1 I -33.167500 -70.508333 9000 | POS U -33.000000 -71.999833 -12 | "
       "EL N -32.983500 -70.000167 12000 | A-1 I -33.167500 -70.508333 9000 | A-1 I -32.916667 -69.500000 11000 | "
       "SAME A -32.831000 -68.793000 2310",
       "", ""},
      {"a Windows editor's byte in an identifier: read as Windows-1252, kept as UTF-8", kXPlaneReader,
       "I\n3 version\n1\n1\n1 EDDM 0.000000 48.364822 11.794361\n28 CAF\xc9 0.000000 48.5 11.5\n",
       "EDDM A 48.364822 11.794361 0 | CAF\xc3\x89 U 48.500000 11.500000 0", "", ""},
      {"an FS2000/2002 plan FS Navigator wrote: unpadded degrees, a gate as the departure position", kMsfsIniReader,
       Sample("msfs/lsgg-egmc.pln"),
       "LSGG A 46.238000 6.108833 1411 | DJL V 47.271000 5.098167 0 | TRO V 48.251167 3.963167 0 | "
       "BSN V 49.188333 3.056500 0 | BNE V 50.624833 1.907167 0 | DVR V 51.162500 1.359167 0 | "
       "EGMC A 51.571333 0.695500 49",
       "", ""},
      {"the FS2004 layout of a waypoint line: region, ident, airway, ident, type", kMsfsIniReader,
       "[flightplan]\nAppVersion=9.1.40901\ndestination_id=EGMC, N51* 34.46', E0* 42.12', +000049.01\n"
       "waypoint.0=, LSGG, , LSGG, A, N46* 13.91', E6* 6.49', +001410.99,\n"
       "waypoint.1=LF, TRO, UN491, TRO, V, N48* 15.07', E3* 57.79', +000388.00,\n"
       "waypoint.2=, EGMC, , EGMC, A, N51* 34.46', E0* 42.12', +000049.01,\n",
       "LSGG A 46.231833 6.108167 1411 | TRO V 48.251167 3.963167 388 | EGMC A 51.574333 0.702000 49", "", ""},
      {"our FS2000/2002 plan below sea level", kMsfsIniReader, Golden("msfs/below-sea-level.pln"),
       "EHAM A 52.308000 4.763833 -11 | SPY N 52.540000 4.852833 -0 | EHKD A 52.924333 4.780833 3", "18R", ""},
      {"a PMDG route after PMDG's documented sample: an airway leg, no empty lines", kPmdgReader,
       Sample("pmdg/kind-ksdf.rte"),
       "KIND A 39.717300 -86.294600 796 | IIU ? 38.103500 -85.577400 0 | KSDF A 38.170600 -85.735100 501", "", ""},
      {"our PMDG route, empty lines between its parts", kPmdgReader, Golden("pmdg/zurich-geneva.rte"),
       "LSZH A 47.458000 8.548000 1416 | TRA ? 47.689167 8.437000 5500 | LSGG A 46.238000 6.109000 1411", "", ""},
      {"a GFP plan of positions only, south and west", kGfpReader, "FPN/RI:F:S33100W070305:F:N00000E180000\r\n",
       "S33100W070305 U -33.166667 -70.508333 - | N00000E180000 U 0.000000 180.000000 -", "", ""},
      {"our GFP plan: the airports named by identifier", kGfpReader, Golden("gfp/every-edge.gfp"),
       "SCEL ? named - | S33100W070305 U -33.166667 -70.508333 - | S33000W072000 U -33.000000 -72.000000 - | "
       "S32590W070000 U -32.983333 -70.000000 - | S33100W070305 U -33.166667 -70.508333 - | "
       "S32550W069300 U -32.916667 -69.500000 - | SAME ? named -",
       "", ""},
      {"an FLP plan of legs only, keys in any order and case, a runway named", kFlpReader,
       "[CoRte]\r\nArptDep=\r\nRwyDep=16\r\ndctwpt2coordinates=46.238000,6.109000\r\nDctWpt1=LSZH\r\n"
       "DctWpt2=LSGG\r\nDctWpt1Coordinates=47.458000,8.548000\r\n[Other]\r\nAirway1=UL607\r\n",
       "LSZH ? 47.458000 8.548000 - | LSGG ? 46.238000 6.109000 -", "16", ""},
      {"our FLP plan: the airports of ArptDep and ArptArr named", kFlpReader, Golden("flp/every-edge.flp"),
       "SCEL A named - | 3310S07031W ? -33.167500 -70.508333 - | 3300S07200W ? -33.000000 -71.999833 - | "
       "EL ? -32.983500 -70.000167 - | 3310S07031W ? -33.167500 -70.508333 - | "
       "3255S06930W ? -32.916667 -69.500000 - | SAME A named -",
       "", ""},
      {"our Super Flight Planner plan", kSfpReader, Golden("sfp/zurich-geneva.pln"),
       "LSZH A 47.458000 8.548000 1416 | TRA V 47.689167 8.437000 5500 | LSGG A 46.238000 6.109000 1411", "", ""},
      {"our Nav Flight Planner plan", kNavReader, Golden("nav/zurich-geneva.pln"),
       "LSZH A 47.458000 8.548000 1416 | TRA V 47.689167 8.437000 5500 | LSGG A 46.238000 6.109000 1411", "", ""},
      {"a Nav Flight Planner intersection, and a code neither format has", kNavReader,
       PlannerHeader(10020, 2) + PlannerRecord(13, 1.5, -2.5, 3000, "ABCDEF") + std::string(256, ' ') +
           PlannerRecord(77, 0, 0, 0, "X") + std::string(256, ' '),
       "ABCDEF I 1.500000 -2.500000 3000 | X ? 0.000000 0.000000 0", "", ""},
      {"our ACS-GPS plan: no departure, no altitudes", kAcsGpsReader, Golden("acsgps/zurich-geneva.prg"),
       "TRA ? 47.689167 8.437000 - | LSGG ? 46.238000 6.109000 -", "", ""},
      {"our SquawkBox plan: the waypoints between the airports", kSquawkBoxReader,
       Golden("squawkbox/zurich-geneva.sbp"),
       "TRA V 47.689167 8.437000 5500", "", ""},
      {"our Radar Contact plan: checkpoints without identifiers, altitudes in tens of feet", kRadarContactReader,
       Golden("radarcontact/zurich-geneva.apl"),
       "LSZH A 47.458000 8.548000 1416 |  ? 47.689167 8.437000 5500 | LSGG A 46.238000 6.109000 1411", "", ""},
  });
}

// `count` copies of `line`, "%d" in it replaced by the copy's number from `first`.
std::string NumberedLines(const char* line, int first, int count) {
  std::string out;
  char text[256];
  for (int i = first; i < first + count; ++i) {
    std::snprintf(text, sizeof text, line, i);
    out += text;
  }
  return out;
}

TEST(TextReaders, RefuseWhatTheyCannotReadWholeAndSayWhereAndWhat) {
  const std::string xplane = Golden("xplane/zurich-geneva.fms");
  const std::string msfs = Golden("msfs/zurich-geneva.pln");
  const std::string pmdg = Golden("pmdg/zurich-geneva.rte");
  const std::string flp = Golden("flp/zurich-geneva.flp");
  const std::string sfp = Golden("sfp/zurich-geneva.pln");
  const std::string nav = Golden("nav/zurich-geneva.pln");
  const std::string acs = Golden("acsgps/zurich-geneva.prg");
  const std::string sqb = Golden("squawkbox/zurich-geneva.sbp");
  const std::string rc = Golden("radarcontact/zurich-geneva.apl");
  const std::string record = PlannerRecord(4, 47.458, 8.548, 1416, "LSZH");
  const std::string xplaneHead = "I\n1100 Version\nCYCLE 2612\nADEP LSZH\nADES LSGG\n";
  const std::string named = " named without a position: PlanTransit has no navaid database and does not guess";
  const std::string tooMany = "the plan holds more than 10000 points, more than PlanTransit reads";
  ExpectEachRefused({
      // X-Plane
      {"X-Plane cut in half", kXPlaneReader, FirstHalf(xplane), "line 9: the waypoint line has 4 fields, not 6"},
      {"X-Plane cut after a whole line", kXPlaneReader, xplane.substr(0, xplane.find("3 TRA")),
       "the plan ends after 1 of the 3 waypoints NUMENR announces"},
      {"X-Plane without its version line", kXPlaneReader, "I\nCYCLE 2612\n",
       "the plan does not open with \"I\" or \"A\" and its version"},
      {"X-Plane of a version not read", kXPlaneReader, "I\n1200 Version\nCYCLE 2612\n",
       "line 2: the version \"1200\" is none PlanTransit reads (3 or 1100)"},
      {"X-Plane latitude out of range", kXPlaneReader, xplaneHead + "NUMENR 1\n1 LSZH ADEP 1416 91.5 8.5\n",
       "line 7: the latitude \"91.5\" is out of range"},
      {"X-Plane longitude half a number", kXPlaneReader, xplaneHead + "NUMENR 1\n1 LSZH ADEP 1416 47.5 8.5abc\n",
       "line 7: the longitude \"8.5abc\" is no number"},
      {"X-Plane altitude beyond a double", kXPlaneReader, xplaneHead + "NUMENR 1\n1 LSZH ADEP 1e999 47.5 8.5\n",
       "line 7: the altitude \"1e999\" is no number"},
      {"X-Plane type of no waypoint", kXPlaneReader, xplaneHead + "NUMENR 1\n7 LSZH ADEP 1416 47.5 8.5\n",
       "line 7: the waypoint type \"7\" is none of X-Plane's (1, 2, 3, 11, 13, 28)"},
      {"X-Plane announcing more points than read", kXPlaneReader, xplaneHead + "NUMENR 10001\n",
       "line 6: NUMENR 10001 announces more points than PlanTransit reads (10000)"},
      {"X-Plane with more waypoints than announced", kXPlaneReader,
       xplaneHead + "NUMENR 1\n1 LSZH ADEP 1416 47.5 8.5\n1 LSGG ADES 1411 46.2 6.1\n",
       "line 8: more waypoints than the 1 NUMENR announces"},
      {"X-Plane with a line of no kind", kXPlaneReader, "I\n1100 Version\nCYCLE 2612\nFOO BAR\n",
       "line 4: \"FOO BAR\" is no line of an X-Plane plan"},
      {"X-Plane version 3 with a waypoint after its end", kXPlaneReader,
       "I\n3 version\n1\n1\n0 ---- 0 0 0\n1 EDDM 0 48.3 11.7\n",
       "line 6: a waypoint after the entries of type 0 that end the plan"},
      // FS2000/2002
      {"FS2000/2002 cut in half", kMsfsIniReader, FirstHalf(msfs), "the plan has no waypoint.0 line"},
      {"FS2000/2002 cut after a whole waypoint line", kMsfsIniReader, msfs.substr(0, msfs.find("waypoint.2")),
       "the plan ends at waypoint.1 \"TRA\", not at its destination \"LSGG\""},
      {"FS2000/2002 cut inside a waypoint line", kMsfsIniReader, msfs.substr(0, msfs.find("E008* 26.22'")),
       "line 15: waypoint.1 has 3 fields, not 5 (ident, type, latitude, longitude, altitude) or FS2004's 8"},
      {"FS2000/2002 opening with another section", kMsfsIniReader, "[CoRte]\n[flightplan]\n",
       "the plan does not open with [flightplan]"},
      {"FS2000/2002 latitude out of range", kMsfsIniReader,
       "[flightplan]\nwaypoint.0=LSZH, A, N95* 27.48', E008* 32.88', +001416.00,\n",
       "line 2: the latitude \"N95* 27.48'\" is out of range"},
      {"FS2000/2002 latitude in another notation", kMsfsIniReader,
       "[flightplan]\nwaypoint.0=LSZH, A, 47.458, E008* 32.88', +001416.00,\n",
       "line 2: the latitude \"47.458\" is not written as N47* 27.48'"},
      {"FS2000/2002 altitude half a number", kMsfsIniReader,
       "[flightplan]\nwaypoint.0=LSZH, A, N47* 27.48', E008* 32.88', +-00054.00,\n",
       "line 2: the altitude \"+-00054.00\" is no number"},
      {"FS2000/2002 type of more than one letter", kMsfsIniReader,
       "[flightplan]\nwaypoint.0=LSZH, AP, N47* 27.48', E008* 32.88', +001416.00,\n",
       "line 2: waypoint.0: the type \"AP\" is not one letter"},
      {"FS2000/2002 waypoint numbers with a gap", kMsfsIniReader,
       "[flightplan]\nwaypoint.2=LSGG, A, N46* 14.28', E006* 6.54', +001411.00,\n"
       "waypoint.0=LSZH, A, N47* 27.48', E008* 32.88', +001416.00,\n",
       "the plan has no waypoint.1 line"},
      {"FS2000/2002 waypoint given twice", kMsfsIniReader,
       "[flightplan]\nwaypoint.0=LSZH, A, N47* 27.48', E008* 32.88', +001416.00,\n"
       "Waypoint.0=LSGG, A, N46* 14.28', E006* 6.54', +001411.00,\n",
       "line 3: Waypoint.0 is given twice"},
      {"FS2000/2002 with a line of no kind", kMsfsIniReader, "[flightplan]\ntitle LSZH to LSGG\n",
       "line 2: \"title LSZH to LSGG\" is no key=value line"},
      {"FS2000/2002 of more points than read", kMsfsIniReader,
       "[flightplan]\n" + NumberedLines("waypoint.%d=LSZH, A, N47* 27.48', E008* 32.88', +001416.00,\n", 0, 10001),
       ("line 10002: " + tooMany)},
      // PMDG
      {"PMDG cut in half", kPmdgReader, FirstHalf(pmdg), "the plan ends inside entry 2"},
      {"PMDG without its entry count", kPmdgReader, "Generated by PlanTransit\n\nLSZH\n1\n",
       "the plan does not give its number of entries after its remark line"},
      {"PMDG latitude out of range", kPmdgReader, "x\n1\nLSZH\n1\nDIRECT\n1 N 95.000000 E 8.548000 1416\n",
       "line 6: the position \"1 N 95.000000 E 8.548000 1416\" is out of range"},
      {"PMDG position in another notation", kPmdgReader, "x\n1\nLSZH\n1\nDIRECT\n1 47.458000 8.548000 1416\n",
       "line 6: the position line \"1 47.458000 8.548000 1416\" is not written as 1 N 47.458000 E 8.548000 1416"},
      {"PMDG announcing more entries than read", kPmdgReader, "x\n\n10001\n",
       "line 3: the plan announces 10001 entries, more than PlanTransit reads (10000)"},
      {"PMDG with more entries than announced", kPmdgReader,
       "x\n1\nTRA\n5\nDIRECT\n1 N 47.689167 E 8.437000 5500\n0\n0\n0\nLSGG\n",
       "line 10: more entries than the 1 the plan announces"},
      {"PMDG entry without a position", kPmdgReader, "x\n1\nTRA\n5\nDIRECT\n0 N 0 E 0 0\n0\n0\n0\n",
       ("TRA (entry 1) is" + named)},
      // GFP
      {"GFP cut after an element's tag", kGfpReader, "FPN/RI:F:S33100W070305:F",
       "element 2: \"F\" has no value"},
      {"GFP of another first line", kGfpReader, "FPL/RI:F:N47414E008262\r\n",
       "the plan does not open with \"FPN/RI\""},
      {"GFP position out of range", kGfpReader, "FPN/RI:F:N47600E008262",
       "element 1: the position \"N47600E008262\" is out of range"},
      {"GFP of more points than read", kGfpReader, "FPN/RI" + Repeated(":F:N47414E008262", 10001), tooMany},
      {"GFP over an airway", kGfpReader, "FPN/RI:F:N47414E008262:F:SEA.V23.BTG:F:N47414E008262",
       "element 2: \"SEA.V23.BTG\" follows an airway, which has no positions of its own: PlanTransit has no navaid "
       "database and does not guess"},
      {"GFP with a procedure", kGfpReader, "FPN/RI:DA:KSEA:F:N47414E008262",
       "element 1: \"DA:KSEA\" is no waypoint (\"F:\") PlanTransit reads"},
      {"GFP of two lines", kGfpReader, "FPN/RI:F:N47414E008262\r\nFPN/RI:F:N47414E008262\r\n",
       "line 2: a GFP plan is one line"},
      // FLP
      {"FLP cut in half", kFlpReader, FirstHalf(flp), "line 11: \"ST\" is no key=value line"},
      {"FLP cut inside the coordinates", kFlpReader, flp.substr(0, flp.rfind(',')),
       "line 17: the coordinates \"47.689167\" are not latitude,longitude"},
      {"FLP opening with another section", kFlpReader, "[flightplan]\n[CoRte]\n",
       "the plan does not open with [CoRte]"},
      {"FLP longitude out of range", kFlpReader, "[CoRte]\nDctWpt1=TRA\nDctWpt1Coordinates=47.689167,181\n",
       "line 3: the longitude \"181\" is out of range"},
      {"FLP of more points than read", kFlpReader,
       "[CoRte]\n" + NumberedLines("DctWpt%d=TRA\n", 1, 10001), tooMany},
      {"FLP coordinates without a leg", kFlpReader, "[CoRte]\nDctWpt1Coordinates=47.689167,8.437\n",
       "DctWpt1Coordinates has no DctWpt1"},
      {"FLP leg given twice", kFlpReader, "[CoRte]\nDctWpt1=TRA\nDCTWPT1=TRA\n", "line 3: DCTWPT1 is given twice"},
      {"FLP over an airway", kFlpReader, "[CoRte]\nArptDep=LSZH\nAirway1=UL607\nAirway1FROM=TRA\n",
       "line 3: the airway \"Airway1=UL607\" has no positions of its own: PlanTransit has no navaid database and does "
       "not guess"},
      // Super Flight Planner
      {"SFP cut in half", kSfpReader, FirstHalf(sfp), "the header gives the file 599 bytes, it has 299"},
      {"SFP of another marker", kSfpReader, PlannerHeader(135041, 8),
       "the file does not open with the format's marker"},
      {"SFP latitude out of range", kSfpReader, SfpPlan(PlannerRecord(4, 91.5, 8.548, 1416, "LSZH")),
       "record 1 (LSZH): the latitude 91.500000 is out of range"},
      {"SFP altitude no number", kSfpReader, SfpPlan(PlannerRecord(4, 47.458, 8.548, std::nan(""), "LSZH")),
       "record 1 (LSZH): the altitude is no number"},
      {"SFP of part of a record", kSfpReader, SfpPlan(record + "x"),
       "the file's 198 bytes after its header are no whole number of 197-byte records"},
      {"SFP of more points than read", kSfpReader, SfpPlan(Repeated(record, 10001)), tooMany},
      // Nav Flight Planner
      {"NAV cut in half", kNavReader, FirstHalf(nav),
       "the header announces 3 waypoints in 1367 bytes, the file has 683"},
      {"NAV of another marker", kNavReader, PlannerHeader(10021, 0), "the file does not open with the format's marker"},
      {"NAV longitude out of range", kNavReader, NavPlan(PlannerRecord(4, 47.458, -180.5, 1416, "LSZH"), 1),
       "record 1 (LSZH): the longitude -180.500000 is out of range"},
      {"NAV announcing more points than read", kNavReader, PlannerHeader(10020, 10001),
       "the header announces 10001 waypoints, not 0 to 10000"},
      // ACS-GPS
      {"ACS-GPS cut in half", kAcsGpsReader, FirstHalf(acs), "the plan ends inside the block of \"LS\""},
      {"ACS-GPS in another notation", kAcsGpsReader, "TRA\nTRA\n8.437\n47.689\n\n",
       "line 3: the longitude \"8.437\" is not written as E 08* 26.22m"},
      {"ACS-GPS longitude out of range", kAcsGpsReader, "TRA\nTRA\nE 181* 00.00m\nN 47* 41.35m\n\n",
       "line 3: the longitude \"E 181* 00.00m\" is out of range"},
      {"ACS-GPS block without its empty line", kAcsGpsReader, "TRA\nTRA\nE 08* 26.22m\nN 47* 41.35m\nLSGG\n",
       "line 5: the block of \"TRA\" does not end with an empty line"},
      {"ACS-GPS of more points than read", kAcsGpsReader, Repeated("TRA\nTRA\nE 08* 26.22m\nN 47* 41.35m\n\n", 10001),
       tooMany},
      // SquawkBox
      {"SquawkBox cut in half", kSquawkBoxReader, FirstHalf(sqb), "line 2: the waypoint line has 3 fields, not 8"},
      {"SquawkBox without its route line", kSquawkBoxReader, "V:TRA:47.689167:8.437000:0:5500:1411:0\n",
       "the plan does not open with departure:destination:distance"},
      {"SquawkBox latitude out of range", kSquawkBoxReader, "LSZH:LSGG:0\nV:TRA:91.0:8.437000:0:5500:1411:0\n",
       "line 2: the latitude \"91.0\" is out of range"},
      {"SquawkBox of more points than read", kSquawkBoxReader,
       "LSZH:LSGG:0\n" + Repeated("V:TRA:47.689167:8.437000:0:5500:1411:0\n", 10001),
       ("line 10002: " + tooMany)},
      // Radar Contact
      {"Radar Contact cut in half", kRadarContactReader, FirstHalf(rc), "the plan ends before RETURN"},
      {"Radar Contact without its section", kRadarContactReader, "; a comment\nDEPARTURE_ID = \"LSZH\"\n",
       "the plan has no GET_FLIGHT_PLAN: section"},
      {"Radar Contact latitude out of range", kRadarContactReader,
       "GET_FLIGHT_PLAN:\n    departure_latitude = 91.000000\n", "line 2: the latitude \"91.000000\" is out of range"},
      {"Radar Contact checkpoints not as many as announced", kRadarContactReader,
       rc.substr(0, rc.find("number_of_checkpoints = 1")) + "number_of_checkpoints = 2" +
           rc.substr(rc.find("number_of_checkpoints = 1") + 25),
       "the plan gives 1 checkpoints, number_of_checkpoints says 2"},
      {"Radar Contact of more points than read", kRadarContactReader,
       "GET_FLIGHT_PLAN:\n" + NumberedLines("checkpoint_%d_latitude = 1\n", 1, 10001),
       ("line 10002: " + tooMany)},
  });
}

// The readers of this file, for the files none of them may claim.
const PlanReader* const kTextReaders[] = {&kXPlaneReader, &kGfpReader,  &kFlpReader,         &kMsfsIniReader,
                                          &kSfpReader,    &kNavReader,  &kPmdgReader,        &kAcsGpsReader,
                                          &kSquawkBoxReader, &kRadarContactReader};

TEST(TextReaders, EachKindIsToldFromItsContentAlone) {
  struct KindCase {
    const char* name;
    std::string bytes;
    const char* key;  // the reader the whole table finds; null: none of this file's readers claims it
  } cases[] = {
      {"X-Plane 1100", Sample("xplane/kcub-krdu.fms"), "xplane"},
      {"X-Plane 3", Sample("xplane/eddm-v3.fms"), "xplane"},
      {"FS2000/2002 of another program", Sample("msfs/lsgg-egmc.pln"), "msfs"},
      {"our FS2000/2002", Golden("msfs/two-airports-ifr-high.pln"), "msfs"},
      {"PMDG after PMDG's sample", Sample("pmdg/kind-ksdf.rte"), "pmdg"},
      {"our PMDG", Golden("pmdg/every-edge.rte"), "pmdg"},
      {"GFP", Golden("gfp/every-edge.gfp"), "gfp"},
      {"FLP", Golden("flp/every-edge.flp"), "flp"},
      {"Super Flight Planner", Golden("sfp/two-airports.pln"), "sfp"},
      {"Nav Flight Planner", Golden("nav/two-airports.pln"), "nav"},
      {"ACS-GPS", Golden("acsgps/two-airports.prg"), "acs-gps"},
      {"SquawkBox of two airports only", Golden("squawkbox/two-airports.sbp"), "sqb"},
      {"Radar Contact", Golden("radarcontact/two-airports.apl"), "rc99"},
      {"an FSX plan, XML with the same extension", Golden("fsx/zurich-geneva.pln"), nullptr},
      {"a FliteStar export", ReadBytes(std::string(PLANTRANSIT_PROJECT_DIR) + "/tests/readers/every-edge.txt"),
       nullptr},
      {"text whose third line is a number, then no position", "Remarks\n\n3\n\nLSZH\n1\nDIRECT\nN 47.458 E 8.548\n",
       nullptr},
      {"text of colons", "Note: see below: 12 items\n", nullptr},
      {"a blank line before the X-Plane header", "\nI\n1100 Version\n", nullptr},
      {"the Planner markers in text", "135040 10020\n", nullptr},
      {"nothing", "", nullptr},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.key != nullptr) {
      const PlanReader* found = RecognizePlan(c.bytes);
      EXPECT_EQ(c.key, std::string(found != nullptr ? found->key : "(none)"));
      continue;
    }
    for (const PlanReader* reader : kTextReaders) EXPECT_FALSE(reader->recognizes(c.bytes)) << reader->key;
  }
}

// The numbers of a plan read the same when the C library's numeric locale has
// a decimal comma, as a host program may set it.
TEST(TextReaders, NumbersReadAlikeUnderANumericLocaleWithADecimalComma) {
  const std::string bytes = Sample("xplane/kcub-krdu.fms");
  PlanPoints inC;
  std::string problem;
  ASSERT_TRUE(kXPlaneReader.read(bytes, inC, problem)) << problem;
  // The user's locale, German where ctest runs the tests (LC_ALL, or Windows'
  // regional settings that Wine takes from it).
  std::setlocale(LC_NUMERIC, "");
  if (std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
    std::setlocale(LC_NUMERIC, "C");
    if (std::getenv("PLANTRANSIT_GERMAN_LOCALE_TEST") != nullptr) FAIL() << "expected a German user locale";
    GTEST_SKIP() << "run under LC_ALL=de_DE.UTF-8, as ctest does";
  }
  PlanPoints inGerman;
  bool read = kXPlaneReader.read(bytes, inGerman, problem);
  std::setlocale(LC_NUMERIC, "C");
  ASSERT_TRUE(read) << problem;
  EXPECT_EQ(Described(inC), Described(inGerman));
}

}  // namespace
