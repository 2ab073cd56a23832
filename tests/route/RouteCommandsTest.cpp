// Details and Print follow the route: off until a build, and their toolbar
// buttons only while there is a toolbar.
#include <gtest/gtest.h>

#include "route/RouteCommands.h"
#include "support/TestApp.h"

namespace {

TEST(RouteCommands, DisablingTurnsOffDetailsAndPrintEverywhereTheToolbarIsShown) {
  TestApp t;
  t.app.settings.showToolbar = 1;
  SetRouteCommandsEnabled(t.app, false);
  ASSERT_EQ(1u, t.window.enabledControls.count(kDetailsButton));
  EXPECT_FALSE(t.window.enabledControls[kDetailsButton]);
  ASSERT_EQ(1u, t.window.enabledMenuItems.count(kPrintCommand));
  EXPECT_FALSE(t.window.enabledMenuItems[kPrintCommand]);
  ASSERT_EQ(2u, t.window.enabledToolbarButtons.size());
  EXPECT_FALSE(t.window.enabledToolbarButtons[kDetailsButton]);
  EXPECT_FALSE(t.window.enabledToolbarButtons[kPrintCommand]);
}

TEST(RouteCommands, WithoutAToolbarOnlyTheButtonAndTheMenuItemChange) {
  TestApp t;
  t.app.settings.showToolbar = 0;
  SetRouteCommandsEnabled(t.app, true);
  EXPECT_TRUE(t.window.enabledControls[kDetailsButton]);
  EXPECT_TRUE(t.window.enabledMenuItems[kPrintCommand]);
  EXPECT_TRUE(t.window.enabledToolbarButtons.empty());
}

}  // namespace
