// A main window with a built, unsaved Zurich-Geneva route, the flight and route
// types checked, and the six bulk folders set: the start of most command tests.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "host/Paths.h"
#include "support/TestRoutes.h"
#include "support/TestSession.h"
#include "writers/FormatRegistry.h"

constexpr const char* kConfigPath = "PlanTransit.cfg";

// The format the converter names `key`; every key used here is registered.
inline const ExportType& Type(const char* key) { return *FindExportTypeByKey(key); }

// The route built and unsaved, its runways chosen, VFR and VOR to VOR checked, the
// configuration file at kConfigPath, and the Save all folders of the six older
// formats set.
inline void PrepareConversion(TestSession& t) {
  MakeZurichGenevaRoute(t.session.route);
  std::snprintf(t.session.departureRunway.text, sizeof t.session.departureRunway.text, "%s", kZurichRunway);
  std::snprintf(t.session.destinationRunway.text, sizeof t.session.destinationRunway.text, "%s", kGenevaRunway);
  t.session.routeBuilt = true;
  t.session.routeUnsaved = true;
  t.window.checked[kVfrRadio] = true;
  t.window.checked[kVorToVorRadio] = true;
  t.environment.variables["PLANTRANSIT_CONFIG"] = kConfigPath;
  ProgramSettings& s = t.session.settings;
  s.showToolbar = 1;
  s.exportType = 1;
  s.autogenMode = 1;
  std::strcpy(s.defaultDestDir, "out");
  std::strcpy(s.sourceFilePath, "D:\\In\\zurich-geneva.txt");
  std::strcpy(s.sourceFileName, "zurich-geneva.txt");
  std::strcpy(s.destFilePath, "D:\\Out\\LSZH-LSGG.pln");
  std::strcpy(s.destFileName, "LSZH-LSGG.pln");
  const std::pair<const char*, const char*> folders[] = {
      {"msfs", "msfs"}, {"acs-gps", "acs"}, {"rc99", "rc"}, {"sqb", "sqb"}, {"sfp", "sfp"}, {"nav", "nav"},
  };
  for (const auto& [key, folder] : folders) std::strcpy(BulkFolder(s, Type(key)), folder);
}

class ConversionFixture : public ::testing::Test {
 protected:
  ConversionFixture() { PrepareConversion(t); }

  int32_t& Switch(const char* key) { return BulkSwitch(t.session.settings, Type(key)); }

  // `name` in `folder`, joined as the naming joins them on this platform.
  static std::string In(const char* folder, const char* name) {
    return std::string(folder) + kPathSeparator + name;
  }
  bool Written(const std::string& path) const { return t.files.files.count(path) != 0; }
  bool ConfigurationSaved() const { return Written(kConfigPath); }

  TestSession t;
};
