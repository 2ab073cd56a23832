// The texts the main window shows for its commands: the menu help texts in the
// status bar while a menu item is highlighted, and the tooltips of its controls
// and toolbar buttons.
#pragma once

// The help text of menu item `itemId` (a command of the menu bar or one of the
// system menu's additions); "" for any other identifier: pop-up positions, the
// system menu's Help item 9 and the menu closing.
const char* MenuHelpText(int itemId);

// The tooltip text of a control or toolbar command, or null when it has none
// (static labels, radio buttons, group boxes, every unlisted identifier).
const char* FindTooltipText(int id);
