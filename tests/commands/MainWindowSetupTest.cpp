// Filling a new main window from the settings: file fields and presets.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "commands/MainWindowSetup.h"
#include "support/TestSession.h"

namespace {

const int kFlightRadios[] = {kVfrRadio, kIfrRadio};
const int kRouteRadios[] = {kVorToVorRadio, kLowAirwaysRadio, kHighAirwaysRadio, kDirectGpsRadio};

TEST(MainWindowSetup, ShowFilePathsPutsTheSourceAndDestinationPathsInTheirEdits) {
  TestSession t;
  std::strcpy(t.session.settings.sourceFilePath, "C:\\Plans\\lszh.txt");
  std::strcpy(t.session.settings.destFilePath, "D:\\Out\\lszh.pln");
  ShowFilePaths(t.session);
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
    TestSession t;
    t.session.settings.defaultFlightType = c.preset;
    t.session.settings.defaultRouteType = 99;
    PresetRouteChoices(t.session);
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
    TestSession t;
    t.session.settings.defaultFlightType = 5;
    t.session.settings.defaultRouteType = c.preset;
    PresetRouteChoices(t.session);
    for (int radio : kRouteRadios) EXPECT_EQ(radio == c.checked, t.window.checked[radio]) << radio;
    for (int radio : kFlightRadios) EXPECT_FALSE(t.window.checked[radio]) << radio;
  }
}

TEST(MainWindowSetup, FlightAndRouteTypesAreIndependentGroups) {
  TestSession t;
  t.session.settings.defaultFlightType = 1;
  t.session.settings.defaultRouteType = 3;
  PresetRouteChoices(t.session);
  EXPECT_TRUE(t.window.checked[kIfrRadio]);
  EXPECT_TRUE(t.window.checked[kHighAirwaysRadio]);
  EXPECT_FALSE(t.window.checked[kVfrRadio]);
  EXPECT_FALSE(t.window.checked[kVorToVorRadio]);
}

}  // namespace
