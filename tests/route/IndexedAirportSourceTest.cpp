// The converter's airport source: a batch built through one index of the data
// file returns and shows, source by source, exactly what each source built alone
// with the file scanned returns and shows; and the file is read once.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "route/AirportLookup.h"
#include "route/IndexedAirportSource.h"
#include "route/RouteBuild.h"
#include "support/TestPlans.h"
#include "support/TestPorts.h"

namespace {

using Routes = std::vector<std::pair<std::string, std::string>>;

struct BatchCase {
  const char* name;
  std::vector<std::string> data;      // the data file's lines
  void (*fault)(FakeFileSystem&);     // what goes wrong with it, if anything
  Routes routes;                      // departure and destination of each source
  std::vector<std::string> mustShow;  // somewhere in the batch's results and messages
};

std::string SourcePath(std::size_t number) { return "src" + std::to_string(number) + ".txt"; }

// The data file, the sources and the fault on the disk of `t`; every question is
// answered No, as the converter answers it.
void SetUpDisk(TestPorts& t, const BatchCase& c) {
  t.files.files[kAirportPath] = Lines(c.data);
  for (std::size_t number = 0; number < c.routes.size(); ++number) {
    const auto& [from, to] = c.routes[number];
    t.files.files[SourcePath(number)] = FliteStarExport({"FWP W A " + from + " N 47 27.48 E 8 32.88 1416",
                                                         kTrasadingenLine, "FWP W A " + to + " N 46 14 E 6 6 1411"});
    t.messages.Answer(MessageAnswer::No);
    t.messages.Answer(MessageAnswer::No);
  }
  if (c.fault != nullptr) c.fault(t.files);
}

std::string DescribeRunways(const char* side, const RunwayList& runways) {
  std::string text = std::string("\n") + side + " runways {";
  for (const std::string& entry : runways.entries) text += entry + ",";
  return text + "} proposing \"" + runways.proposed + "\"";
}

// Everything a build returns, as text: outcome, rows, route values, runways and
// the data file.
std::string Describe(const BuiltRoute& built) {
  const RouteTable& route = built.route;
  std::string text = built.outcome == RouteOutcome::Built ? "built" : "failed";
  for (uint32_t index = 0; index < route.waypointCount; ++index) {
    const WaypointRow& row = route.rows[index];
    const char* place = index == 0 ? "departure" : index + 1 == route.waypointCount ? "destination" : "waypoint";
    char altitude[64];
    std::snprintf(altitude, sizeof altitude, "%.2f", row.altitude);
    text += std::string("\n") + place + " " + row.ident + " " + row.name + " " + row.type + " " + altitude;
  }
  char cruise[64];
  std::snprintf(cruise, sizeof cruise, "%.2f", route.cruiseAltitude);
  text += std::string("\nroute ") + route.routeText + " cruising at " + cruise;
  text += DescribeRunways("departure", built.departureRunways);
  text += DescribeRunways("destination", built.destinationRunways);
  return text + "\ndata file " + built.airportFile.path + " (" + built.airportFile.name + ")";
}

// Builds source `number` as the converter does (the data file as the run left
// it, through `airports`) and returns what the build returned, followed by the
// messages it showed.
std::string Convert(TestPorts& t, AirportSource& airports, AirportFile& airportFile, std::size_t number) {
  std::size_t shownBefore = t.messages.Messages().size();
  const std::string source = SourcePath(number);
  const RouteRequest request{source.c_str(), source.c_str(), airportFile};
  const BuiltRoute built = BuildRoute(request, {t.files, t.messages, t.environment, t.dialogs, airports});
  airportFile = built.airportFile;
  std::string shown = Describe(built);
  const std::vector<RecordedMessage>& messages = t.messages.Messages();
  for (std::size_t index = shownBefore; index < messages.size(); ++index) {
    shown.append("\n").append(DescribeKind(messages[index].kind)).append(": ").append(messages[index].text);
  }
  return shown;
}

TEST(IndexedAirportSource, ABatchReturnsAndShowsWhatEachSourceAloneDoes) {
  std::string longName = "LSGG " + std::string(51, 'n') + " 9 CH 46.2 01_1";
  BatchCase cases[] = {
      {"airports met again, airports missing, an identifier twice in the data",
       {kZurichAirport, longName, kGenevaAirport, "LSZH Second_Zurich 9 CH 1 01_1", "EDDF Frankfurt 364 DE 50"},
       nullptr,
       {{"LSZH", "LSGG"}, {"LSGG", "LSZH"}, {"LSZH", "LSZH"}, {"LSZH", "NONE"}, {"NONE", "EDDF"},
        {"EDDF", "LSGG"}},
       {"departure LSZH Zurich", "destination LSGG Geneva", "destination NONE Not found in",
        "departure runways {} proposing \"\""}},
      {"a read failing in the middle of the data",
       {kZurichAirport, kGenevaAirport},
       [](FakeFileSystem& files) { files.readErrorAt[kAirportPath] = {std::strlen(kZurichAirport) + 6}; },
       {{"LSZH", "LSGG"}, {"LSGG", "LSZH"}, {"LSZH", "NONE"}},
       {"departure LSZH Zurich", "Error while reading from Airport/Runway Data file Fsb_apts.txt"}},
      {"a data file that cannot be opened",
       {kZurichAirport},
       [](FakeFileSystem& files) { files.unreadable.insert(kAirportPath); },
       {{"LSZH", "LSGG"}, {"LSGG", "LSZH"}},
       {"Failed to open Airport/Runway Data file Fsb_apts.txt!", "Error reading Airport/Runway Data file!"}},
  };
  for (const BatchCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestPorts batch;
    IndexedAirportSource index;
    AirportFile batchFile = TestRequest().airportFile;
    SetUpDisk(batch, c);
    std::string everything;
    for (std::size_t number = 0; number < c.routes.size(); ++number) {
      SCOPED_TRACE("source " + c.routes[number].first + "-" + c.routes[number].second);
      TestPorts alone;
      AirportFile aloneFile = TestRequest().airportFile;
      SetUpDisk(alone, c);
      std::string shown = Convert(batch, index, batchFile, number);
      EXPECT_EQ(Convert(alone, alone.airports, aloneFile, number), shown);
      everything += shown;
    }
    for (const std::string& text : c.mustShow) EXPECT_NE(std::string::npos, everything.find(text)) << text;
    auto& opened = batch.files.openedForReading;
    EXPECT_LE(std::count(opened.begin(), opened.end(), kAirportPath), 1) << "the batch reads the data once";
    EXPECT_EQ(0, batch.files.openInputs);
  }
}

TEST(IndexedAirportSource, ReadsTheFileOnceUntilThePathNamesAnother) {
  TestPorts t;
  IndexedAirportSource index;
  const AirportLookupPorts ports{t.files, t.environment, t.messages, t.dialogs, index};
  AirportFile file = SetUpZurichGeneva(t.files).airportFile;
  LookupAirport(ports, file, "LSZH");
  t.files.files[kAirportPath] = Lines({kGenevaAirport});  // changed during the run
  EXPECT_STREQ("Zurich", LookupAirport(ports, file, "LSZH").name);
  EXPECT_EQ(1u, t.files.openedForReading.size());
  std::snprintf(file.path, kPathSize, "D:\\Other.txt");
  t.files.files["D:\\Other.txt"] = Lines({kGenevaAirport});
  EXPECT_STREQ(kAirportNotFoundText, LookupAirport(ports, file, "LSZH").name);
  EXPECT_EQ(0, t.files.openInputs);
}

}  // namespace
