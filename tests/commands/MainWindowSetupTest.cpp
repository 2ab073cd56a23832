// Filling a new main window from the settings: file fields and presets.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "commands/MainWindowSetup.h"
#include "support/TestApp.h"

namespace {

const int kFlightRadios[] = {kVfrRadio, kIfrRadio};
const int kRouteRadios[] = {kVorToVorRadio, kLowAirwaysRadio, kHighAirwaysRadio, kDirectGpsRadio};

TEST(MainWindowSetup, ShowFilePathsPutsTheSourceAndDestinationPathsInTheirEdits) {
  TestApp t;
  std::strcpy(t.app.settings.sourceFilePath, "C:\\Plans\\lszh.txt");
  std::strcpy(t.app.settings.destFilePath, "D:\\Out\\lszh.pln");
  ShowFilePaths(t.app);
  EXPECT_EQ("C:\\Plans\\lszh.txt", t.window.texts[kSourceEdit]);
  EXPECT_EQ("D:\\Out\\lszh.pln", t.window.texts[kDestinationEdit]);
}

TEST(MainWindowSetup, FlightTypePresetChecksItsButtonOrNone) {
  struct Case {
    int preset;
    int checked;  // 0: none
  };
  const Case cases[] = {{0, kVfrRadio}, {1, kIfrRadio}, {2, 0}, {-1, 0}, {7, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE("Flighttype " + std::to_string(c.preset));
    TestApp t;
    t.app.settings.defaultFlightType = c.preset;
    t.app.settings.defaultRouteType = 99;
    PresetRouteChoices(t.app);
    for (int radio : kFlightRadios) EXPECT_EQ(radio == c.checked, t.window.checked[radio]) << radio;
    for (int radio : kRouteRadios) EXPECT_FALSE(t.window.checked[radio]) << radio;
  }
}

TEST(MainWindowSetup, RouteTypePresetChecksItsButtonOrNone) {
  struct Case {
    int preset;
    int checked;  // 0: none
  };
  const Case cases[] = {{0, kDirectGpsRadio}, {1, kVorToVorRadio}, {2, kLowAirwaysRadio},
                        {3, kHighAirwaysRadio}, {4, 0}, {7, 0}, {-1, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE("Routetype " + std::to_string(c.preset));
    TestApp t;
    t.app.settings.defaultFlightType = 5;
    t.app.settings.defaultRouteType = c.preset;
    PresetRouteChoices(t.app);
    for (int radio : kRouteRadios) EXPECT_EQ(radio == c.checked, t.window.checked[radio]) << radio;
    for (int radio : kFlightRadios) EXPECT_FALSE(t.window.checked[radio]) << radio;
  }
}

TEST(MainWindowSetup, FlightAndRouteTypesAreIndependentGroups) {
  TestApp t;
  t.app.settings.defaultFlightType = 1;
  t.app.settings.defaultRouteType = 3;
  PresetRouteChoices(t.app);
  EXPECT_TRUE(t.window.checked[kIfrRadio]);
  EXPECT_TRUE(t.window.checked[kHighAirwaysRadio]);
  EXPECT_FALSE(t.window.checked[kVfrRadio]);
  EXPECT_FALSE(t.window.checked[kVorToVorRadio]);
}

}  // namespace
