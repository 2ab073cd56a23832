// A plan for the writers' tests, and one writer run through the save frame
// against the fake ports to get its bytes back.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/AirportLookup.h"
#include "route/RouteBuild.h"
#include "support/FakeDatePort.h"
#include "support/Files.h"
#include "support/TestPlans.h"
#include "support/TestPorts.h"
#include "support/TestRoutes.h"
#include "writers/FormatRegistry.h"
#include "writers/PlanInput.h"
#include "writers/SaveFrame.h"

// Today as the fake date port answers by default: the worked example's day.
inline ConversionDate FakeToday() {
  FakeDatePort dates;
  return ReadConversionDate(&dates);
}

// Everything a writer is given, held by the test: an empty route and no runways
// unless a test fills them, VFR over VORs, and the name "plan.txt".
struct TestPlan {
  PlanInput Input() const {
    return {route, departureRunway.c_str(), destinationRunway.c_str(), flightRules, routeKind, date,
            fileName.c_str()};
  }

  RouteTable route{};
  std::string departureRunway;
  std::string destinationRunway;
  FlightRules flightRules = FlightRules::Vfr;
  RouteKind routeKind = RouteKind::VorToVor;
  ConversionDate date = FakeToday();
  std::string fileName = "plan.txt";
};

// LSZH - TRA - LSGG, from runway 16 to runway 23.
inline TestPlan ZurichGenevaPlan() {
  TestPlan plan;
  MakeZurichGenevaRoute(plan.route);
  plan.departureRunway = kZurichRunway;
  plan.destinationRunway = kGenevaRunway;
  return plan;
}

// LSZH - LSGG, from runway 16 to no runway chosen.
inline TestPlan TwoAirportPlan() {
  TestPlan plan;
  MakeTwoAirportRoute(plan.route);
  plan.departureRunway = kZurichRunway;
  return plan;
}

// The registry's row of the format `writer` writes.
inline const ExportType& TypeWrittenBy(PlanWriter writer) {
  for (const ExportType& type : kExportTypes) {
    if (type.writer == writer) return type;
  }
  ADD_FAILURE() << "no format of the registry is written by this writer";
  return kExportTypes[0];
}

// Saves `plan` as a plan of `type` under its file name (whose extension the frame
// replaces) in the folder "out" of a fresh fake file system and returns the
// file's bytes; a plan that is not written, or any message, is a test failure.
inline std::string SavedBytes(const ExportType& type, const TestPlan& plan) {
  TestPorts ports;
  std::string path = "out/" + plan.fileName;
  SavedPlan saved = SavePlan(type, plan.Input(), path.c_str(), plan.fileName.c_str(), ports.Save());
  EXPECT_EQ(SaveOutcome::Written, saved.outcome);
  EXPECT_TRUE(ports.messages.Messages().empty());
  return ports.files.files[saved.path];
}

inline std::string WrittenBy(const TestPlan& plan, PlanWriter writer) {
  return SavedBytes(TypeWrittenBy(writer), plan);
}

// The lines of a text plan, split at CR LF; the text after the last CR LF is the
// last element (empty when the file ends in a line end).
inline std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

// The route of tests/readers/every-edge.txt with tests/readers/airports.txt, built
// as the converter builds it (the route the reader checks read back), flown IFR
// on high airways with no runway chosen: Santiago to Mendoza, south and west,
// names in Windows-1252 with "&" and "<", an intersection whose ident has a "-"
// (twice at one place, once elsewhere), a plain position below sea level whose
// minutes round up to the next degree, and an NDB.
inline TestPlan EveryEdgePlan() {
  const std::string readers = std::string(PLANTRANSIT_PROJECT_DIR) + "/tests/readers/";
  TestPorts ports;
  ports.files.files[kSourcePath] = ReadBytes(readers + "every-edge.txt");
  ports.files.files[kAirportPath] = ReadBytes(readers + "airports.txt");
  BuiltRoute built = BuildRoute(TestRequest(), ports.Route());
  EXPECT_EQ(RouteOutcome::Built, built.outcome);
  TestPlan plan;
  plan.route = built.route;
  plan.flightRules = FlightRules::Ifr;
  plan.routeKind = RouteKind::HighAirways;
  return plan;
}

// Nadi to Nuku'alofa across the date line: an airport the data did not find at a
// longitude that rounds up to 180 east, 0.01 ft below sea level; a VOR whose
// identifier has an accent no database has; a plain position at 180 east, at -0
// ft, named like a VOR of the world; an airport whose name was cut after a "_".
inline TestPlan DateLinePlan() {
  TestPlan plan;
  RouteTable& route = plan.route;
  AddTestRow(route, 'A', "NFFN", kAirportNotFoundText, 'S', 17, 45.0, 'E', 179, 59.99999999, -0.01);
  AddTestRow(route, 'V', "\xC9LA", "\xC9LA", 'S', 18, 30.0, 'W', 178, 0.0, 9000);
  AddTestRow(route, 'U', "POS", "POS", 'S', 19, 0.0, 'E', 180, 0.0, -0.0);
  AddTestRow(route, 'A', "NFTF", "Fua'amotu_International_Airport_Tongatapu_Kingdom_", 'S', 21, 14.5, 'W', 175, 8.95,
             126);
  route.cruiseAltitude = 9000;
  return plan;
}

// Each line of `plan` without the blanks it starts with, ended by "\n".
inline std::string Unindented(const std::string& plan) {
  std::string text;
  for (const std::string& line : LinesOf(plan)) {
    text += line.substr(std::min(line.find_first_not_of(' '), line.size())) + "\n";
  }
  return text;
}

