// A plan for the writers' tests, and one writer run through the save frame
// against the fake ports to get its bytes back.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/FakeDatePort.h"
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
