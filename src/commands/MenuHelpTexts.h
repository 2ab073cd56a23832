// The menu help texts the status bar shows while a menu item is highlighted.
#pragma once

// The help text of menu item `itemId` (a command of the menu bar or one of the
// system menu's additions); "" for any other identifier: pop-up positions, the
// system menu's Help item 9 and the menu closing.
const char* MenuHelpText(int itemId);
