// Every writer runs the export frame with its own extension and its own four
// texts, each shown with its kind and buttons: one table, looped over the export
// types.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/TestApp.h"
#include "support/TestRoutes.h"
#include "writers/ExportType.h"

namespace {

// What the user sees from one writer, with the name "plan.txt" given.
struct ExpectedFrameTexts {
  ExportCode code;
  const char* path;  // the final path, with the type's extension
  const char* emptyName;
  const char* overwriteQuestion;
  const char* createFailure;
  const char* writeError;
};

const ExpectedFrameTexts kExpected[] = {
    {kExportMsfs, "out/plan.pln", "No MS Flight Simulator Flightplan Filename supplied!",
     "An MS Flight Simulator Flight plan plan.pln already exists!\nDo you want to overwrite it?",
     "Failed to create MS Flight Simulator Flight plan plan.pln",
     "Error while writing to MS FS Flightplan file plan.pln"},
    {kExportAcsGps, "out/plan.prg", "No ACS-GPS Flightplan Filename supplied!",
     "An ACS-GPS Flight plan plan.prg already exists!\nDo you want to overwrite it?",
     "Failed to create ACS-GPS Flight plan plan.prg",
     "Error while writing to ACS-GPS Flightplan file plan.prg"},
    {kExportRc99, "out/plan.apl", "No Radar Contact Flightplan Filename supplied!",
     "An Radar Contact Flight plan plan.apl already exists!\nDo you want to overwrite it?",
     "Failed to create Radar Contact Flight plan plan.apl",
     "Error while writing to Radar Contact Flightplan file plan.apl"},
    {kExportSqb, "out/plan.sbp", "No SquawkBox Flightplan Filename supplied!",
     "An SquawkBox Flight plan plan.sbp already exists!\nDo you want to overwrite it?",
     "Failed to create SquawkBox Flight plan plan.sbp",
     "Error while writing to SquawkBox Flightplan file plan.sbp"},
    {kExportSfp, "out/plan.pln", "No Super Flight Planner Flightplan Filename supplied!",
     "An Super Flight Planner Flight plan plan.pln already exists!\nDo you want to overwrite it?",
     "Failed to create Super Flight Planner Flight plan plan.pln",
     "Error while writing to Super Flight Planner Flightplan file plan.pln"},
    {kExportNav, "out/plan.pln", "No Nav Flight Planner Flightplan Filename supplied!",
     "An Nav Flight Planner Flight plan plan.pln already exists!\nDo you want to overwrite it?",
     "Failed to create Nav Flight Planner Flight plan plan.pln",
     "Error while writing to Nav Flightplan file plan.pln"},
    {kExportMsfsXml, "out/plan.pln", "No MSFS 2020/2024 Flightplan Filename supplied!",
     "An MSFS 2020/2024 Flight plan plan.pln already exists!\nDo you want to overwrite it?",
     "Failed to create MSFS 2020/2024 Flight plan plan.pln",
     "Error while writing to MSFS 2020/2024 Flightplan file plan.pln"},
    {kExportXPlane, "out/plan.fms", "No X-Plane Flightplan Filename supplied!",
     "An X-Plane Flight plan plan.fms already exists!\nDo you want to overwrite it?",
     "Failed to create X-Plane Flight plan plan.fms", "Error while writing to X-Plane Flightplan file plan.fms"},
    {kExportGarmin, "out/plan.fpl", "No Garmin Flightplan Filename supplied!",
     "A Garmin Flight plan plan.fpl already exists!\nDo you want to overwrite it?",
     "Failed to create Garmin Flight plan plan.fpl", "Error while writing to Garmin Flightplan file plan.fpl"},
    {kExportGpx, "out/plan.gpx", "No GPX Route Filename supplied!",
     "A GPX Route plan.gpx already exists!\nDo you want to overwrite it?", "Failed to create GPX Route plan.gpx",
     "Error while writing to GPX Route file plan.gpx"},
};

const ExpectedFrameTexts& ExpectedFor(ExportCode code) {
  for (const ExpectedFrameTexts& expected : kExpected) {
    if (expected.code == code) return expected;
  }
  ADD_FAILURE() << "no expected texts for export type " << code;
  return kExpected[0];
}

constexpr const char* kOldPlan = "the plan that was there\r\n";

// A fresh app with the Zurich-Geneva route, ready for one writer call.
struct Scenario {
  Scenario() {
    MakeZurichGenevaRoute(t.app.route);
    t.window.checked[kVfrRadio] = true;
    t.window.checked[kDirectGpsRadio] = true;
    std::strcpy(path, "out/plan.txt");
    std::strcpy(name, "plan.txt");
  }
  int Write(const ExportType& type) { return type.writer(t.app, path, name); }

  TestApp t;
  char path[260];
  char name[260];
};

// The one message shown, as "kind/buttons: text".
std::string OnlyMessage(const Scenario& s) {
  const std::vector<RecordedMessage>& messages = s.t.messages.Messages();
  if (messages.size() != 1) return std::to_string(messages.size()) + " messages";
  const RecordedMessage& m = messages[0];
  return DescribeKind(m.kind) + "/" + DescribeButtons(m.buttons) + ": " + m.text;
}

TEST(WriterFrameTexts, EveryWriterShowsItsOwnTextsWithTheirKindsAndTheNewExtension) {
  for (const ExportType& type : kExportTypes) {
    SCOPED_TRACE(type.name);
    const ExpectedFrameTexts& expected = ExpectedFor(type.code);
    ASSERT_NE(nullptr, type.writer);
    {
      SCOPED_TRACE("empty name");
      Scenario s;
      s.path[0] = '\0';
      EXPECT_EQ(0, s.Write(type));
      EXPECT_EQ(std::string("error/OK: ") + expected.emptyName, OnlyMessage(s));
      EXPECT_TRUE(s.t.files.files.empty());
    }
    {
      SCOPED_TRACE("overwrite refused");
      Scenario s;
      s.t.files.files[expected.path] = kOldPlan;
      s.t.messages.Answer(MessageAnswer::No);
      EXPECT_EQ(0, s.Write(type));
      EXPECT_EQ(std::string("warning/Yes/No: ") + expected.overwriteQuestion, OnlyMessage(s));
      EXPECT_EQ(kOldPlan, s.t.files.files[expected.path]);
      EXPECT_TRUE(s.t.app.route.routeUnsaved);
    }
    {
      SCOPED_TRACE("overwrite accepted");
      Scenario s;
      s.t.files.files[expected.path] = kOldPlan;
      s.t.messages.Answer(MessageAnswer::Yes);
      EXPECT_EQ(1, s.Write(type));
      EXPECT_EQ(std::string("warning/Yes/No: ") + expected.overwriteQuestion, OnlyMessage(s));
      EXPECT_NE(kOldPlan, s.t.files.files[expected.path]);
      EXPECT_STREQ(expected.path, s.path);
      EXPECT_STREQ(expected.path + 4, s.name);
      EXPECT_FALSE(s.t.app.route.routeUnsaved);
    }
    {
      SCOPED_TRACE("create failure");
      Scenario s;
      s.t.files.uncreatable.insert(expected.path);
      EXPECT_EQ(0, s.Write(type));
      EXPECT_EQ(std::string("warning/OK: ") + expected.createFailure, OnlyMessage(s));
    }
    {
      SCOPED_TRACE("write error");
      Scenario s;
      s.t.files.FailWrite(1);
      EXPECT_EQ(0, s.Write(type));
      EXPECT_EQ(std::string("error/OK: ") + expected.writeError, OnlyMessage(s));
      EXPECT_EQ(0u, s.t.files.files.count(expected.path));
      EXPECT_EQ(0, s.t.files.openReplacements);
      EXPECT_TRUE(s.t.app.route.routeUnsaved);
    }
  }
}

}  // namespace
