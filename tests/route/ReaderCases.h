// What the reader tests share: the sample and golden files, points described on
// one line, and the tables of readings and refusals every reader is held to.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/PlanReader.h"
#include "route/PlanReaders.h"
#include "support/Files.h"

// A plan another program wrote, from tests/route/samples/.
inline std::string Sample(const std::string& relative) {
  return ReadBytes(std::string(PLANTRANSIT_PROJECT_DIR) + "/tests/route/samples/" + relative);
}

inline std::string Golden(const std::string& relative) { return ReadBytes(GoldenPath(relative)); }

inline std::string Repeated(const std::string& text, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += text;
  return out;
}

inline std::string FirstHalf(const std::string& bytes) { return bytes.substr(0, bytes.size() / 2); }

// The points as one line to compare: ident, kind letter, position ("named" for a
// point named without one), altitude in whole feet ("-" where the file keeps
// none), joined by " | ".
inline std::string Described(const PlanPoints& plan) {
  std::string out;
  for (const PlanPoint& point : plan.points) {
    const char* kinds = "AVNIU?";
    char text[160];
    char altitude[32] = "-";
    if (point.hasAltitude) std::snprintf(altitude, sizeof altitude, "%.0f", point.altitudeFeet);
    char position[64] = "named";
    if (point.hasPosition) std::snprintf(position, sizeof position, "%.6f %.6f", point.latitude, point.longitude);
    std::snprintf(text, sizeof text, "%s%s %c %s %s", out.empty() ? "" : " | ", point.ident.c_str(),
                  kinds[static_cast<int>(point.kind)], position, altitude);
    out += text;
  }
  return out;
}

struct ReadCase {
  const char* name;
  const PlanReader& reader;
  std::string bytes;
  const char* points;  // as Described writes them
  const char* departureRunway;
  const char* destinationRunway;
};

// Each case's file is told to be of its reader's kind from its content alone,
// and reads whole into its points and runways.
inline void ExpectEachReads(const std::vector<ReadCase>& cases) {
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_FALSE(c.bytes.empty());
    EXPECT_EQ(&c.reader, RecognizePlan(c.bytes));
    PlanPoints plan;
    std::string problem;
    ASSERT_TRUE(c.reader.read(c.bytes, plan, problem)) << problem;
    EXPECT_EQ(c.points, Described(plan));
    EXPECT_EQ(c.departureRunway, plan.departureRunway);
    EXPECT_EQ(c.destinationRunway, plan.destinationRunway);
  }
}

struct RefusalCase {
  const char* name;
  const PlanReader& reader;
  std::string bytes;
  std::string problem;
};

// Each case's file is refused with its problem, word for word.
inline void ExpectEachRefused(const std::vector<RefusalCase>& cases) {
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.name);
    PlanPoints plan;
    std::string problem;
    EXPECT_FALSE(c.reader.read(c.bytes, plan, problem));
    EXPECT_EQ(c.problem, problem);
  }
}
