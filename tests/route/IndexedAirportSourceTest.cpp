// The converter's airport source: a batch converted through one index of the data
// file shows and writes, source by source, exactly what each source converted
// alone with the file scanned shows and writes; and the file is read once.
#include <algorithm>
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
#include "writers/PlanWriters.h"

namespace {

using Routes = std::vector<std::pair<std::string, std::string>>;

struct BatchCase {
  const char* name;
  std::vector<std::string> data;      // the data file's lines
  void (*fault)(FakeFileSystem&);     // what goes wrong with it, if anything
  Routes routes;                      // departure and destination of each source
  std::vector<std::string> mustShow;  // somewhere in the batch's plans and messages
};

std::string SourcePath(std::size_t number) { return "src" + std::to_string(number) + ".txt"; }

// The data file, the sources and the fault on the disk of `t`; every question is
// answered No, as the converter answers it.
void SetUpDisk(TestApp& t, const BatchCase& c) {
  std::snprintf(t.app.settings.airportFilePath, kPathSize, "%s", kAirportPath);
  std::snprintf(t.app.settings.airportFileName, kPathSize, "%s", kAirportName);
  t.files.files[kAirportPath] = Lines(c.data);
  for (std::size_t number = 0; number < c.routes.size(); ++number) {
    const auto& [from, to] = c.routes[number];
    t.files.files[SourcePath(number)] = FliteStarExport({"FWP W A " + from + " N 47 27.48 E 8 32.88 1416",
                                                         kTrasadingenLine, "FWP W A " + to + " N 46 14 E 6 6 1411"});
    t.messages.Answer(MessageAnswer::No);
    t.messages.Answer(MessageAnswer::No);
  }
  if (c.fault != nullptr) c.fault(t.files);
  t.window.checked[kVfrRadio] = true;
  t.window.checked[kVorToVorRadio] = true;
}

// Converts source `number` as the converter does (no runway carried over, build,
// MSFS plan) and returns its plan followed by the messages it showed.
std::string Convert(TestApp& t, std::size_t number) {
  std::size_t shownBefore = t.messages.Messages().size();
  std::snprintf(t.app.settings.sourceFilePath, kPathSize, "%s", SourcePath(number).c_str());
  std::snprintf(t.app.settings.sourceFileName, kPathSize, "%s", SourcePath(number).c_str());
  t.app.route.departureRunway[0] = '\0';
  t.app.route.destinationRunway[0] = '\0';
  std::string shown;
  if (BuildRoute(t.app)) {
    char path[kPathSize];
    char name[kPathSize];
    std::snprintf(path, sizeof path, "plan%zu.pln", number);
    std::snprintf(name, sizeof name, "%s", path);
    if (WriteMsfsPlan(t.app, path, name) == 1) shown = t.files.files[path];
  }
  const std::vector<RecordedMessage>& messages = t.messages.Messages();
  for (std::size_t index = shownBefore; index < messages.size(); ++index) {
    shown.append("\n").append(DescribeKind(messages[index].kind)).append(": ").append(messages[index].text);
  }
  return shown;
}

TEST(IndexedAirportSource, ABatchShowsAndWritesWhatEachSourceAloneDoes) {
  std::string longName = "LSGG " + std::string(51, 'n') + " 9 CH 46.2 01_1";
  BatchCase cases[] = {
      {"airports met again, airports missing, an identifier twice in the data",
       {kZurichAirport, longName, kGenevaAirport, "LSZH Second_Zurich 9 CH 1 01_1", "EDDF Frankfurt 364 DE 50"},
       nullptr,
       {{"LSZH", "LSGG"}, {"LSGG", "LSZH"}, {"LSZH", "LSZH"}, {"LSZH", "NONE"}, {"NONE", "EDDF"},
        {"EDDF", "LSGG"}},
       {"departure_name=Zurich", "destination_name=Geneva", "destination_name=Not found in",
        "departure_position=\r\n"}},
      {"a read failing in the middle of the data",
       {kZurichAirport, kGenevaAirport},
       [](FakeFileSystem& files) { files.readErrorAt[kAirportPath] = {std::strlen(kZurichAirport) + 6}; },
       {{"LSZH", "LSGG"}, {"LSGG", "LSZH"}, {"LSZH", "NONE"}},
       {"departure_name=Zurich", "Error while reading from Airport/Runway Data file Fsb_apts.txt"}},
      {"a data file that cannot be opened",
       {kZurichAirport},
       [](FakeFileSystem& files) { files.unreadable.insert(kAirportPath); },
       {{"LSZH", "LSGG"}, {"LSGG", "LSZH"}},
       {"Failed to open Airport/Runway Data file Fsb_apts.txt!", "Error reading Airport/Runway Data file!"}},
  };
  for (const BatchCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp batch;
    IndexedAirportSource index;
    batch.app.host.airports = &index;
    SetUpDisk(batch, c);
    std::string everything;
    for (std::size_t number = 0; number < c.routes.size(); ++number) {
      SCOPED_TRACE("source " + c.routes[number].first + "-" + c.routes[number].second);
      TestApp alone;
      SetUpDisk(alone, c);
      std::string shown = Convert(batch, number);
      EXPECT_EQ(Convert(alone, number), shown);
      everything += shown;
    }
    for (const std::string& text : c.mustShow) EXPECT_NE(std::string::npos, everything.find(text)) << text;
    auto& opened = batch.files.openedForReading;
    EXPECT_LE(std::count(opened.begin(), opened.end(), kAirportPath), 1) << "the batch reads the data once";
  }
}

TEST(IndexedAirportSource, ReadsTheFileOnceUntilThePathNamesAnother) {
  TestApp t;
  IndexedAirportSource index;
  t.app.host.airports = &index;
  SetUpZurichGeneva(t);
  char name[kNameLength + 1];
  LookupAirport(t.app, "LSZH", AirportSide::Departure, name);
  t.files.files[kAirportPath] = Lines({kGenevaAirport});  // changed during the run
  LookupAirport(t.app, "LSZH", AirportSide::Departure, name);
  EXPECT_STREQ("Zurich", name);
  EXPECT_EQ(1u, t.files.openedForReading.size());
  std::snprintf(t.app.settings.airportFilePath, kPathSize, "D:\\Other.txt");
  t.files.files["D:\\Other.txt"] = Lines({kGenevaAirport});
  LookupAirport(t.app, "LSZH", AirportSide::Departure, name);
  EXPECT_STREQ(kAirportNotFoundText, name);
  EXPECT_EQ(0, t.files.openInputs);
}

}  // namespace
