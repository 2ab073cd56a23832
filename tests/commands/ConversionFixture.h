// A main window with a built, unsaved Zurich-Geneva route, the flight and route
// types checked, and the six bulk folders set: the start of most command tests.
#pragma once

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "host/PathSeparator.h"
#include "support/TestApp.h"
#include "support/TestRoutes.h"

class ConversionFixture : public ::testing::Test {
 protected:
  static constexpr const char* kConfigPath = "PlanTransit.cfg";

  ConversionFixture() {
    MakeZurichGenevaRoute(t.app.route);
    t.app.route.routeBuilt = true;
    t.app.route.routeUnsaved = true;
    t.window.checked[kVfrRadio] = true;
    t.window.checked[kVorToVorRadio] = true;
    t.environment.variables["PLANTRANSIT_CONFIG"] = kConfigPath;
    ProgramSettings& s = t.app.settings;
    s.showToolbar = 1;
    s.exportType = 1;
    s.autogenMode = 1;
    std::strcpy(s.defaultDestDir, "out");
    std::strcpy(s.sourceFilePath, "D:\\In\\zurich-geneva.txt");
    std::strcpy(s.sourceFileName, "zurich-geneva.txt");
    std::strcpy(s.destFilePath, "D:\\Out\\LSZH-LSGG.pln");
    std::strcpy(s.destFileName, "LSZH-LSGG.pln");
    std::strcpy(s.msfsDir, "msfs");
    std::strcpy(s.acsGpsDir, "acs");
    std::strcpy(s.rc99Dir, "rc");
    std::strcpy(s.sqbDir, "sqb");
    std::strcpy(s.sfpDir, "sfp");
    std::strcpy(s.navDir, "nav");
  }

  // `name` in `folder`, joined as the naming joins them on this platform.
  static std::string In(const char* folder, const char* name) {
    return std::string(folder) + kPathSeparator + name;
  }
  bool Written(const std::string& path) const { return t.files.files.count(path) != 0; }
  bool ConfigurationSaved() const { return Written(kConfigPath); }

  TestApp t;
};
