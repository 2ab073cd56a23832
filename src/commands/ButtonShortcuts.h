// The Alt+letter shortcuts of the main window's buttons, which the window gets as
// menu characters that no menu item matched.
#pragma once

// The button command for the character in the low word of `menuCharWord` (taken
// as a signed 8-bit character): "b" Build (1019), "c" Cancel (2), "d" Details
// (1033), "h" Help (9), "s" Save (1030). 0 for every other character, upper-case
// letters included, so with Caps Lock on the shortcuts do nothing.
int ButtonForShortcut(unsigned long menuCharWord);
