// The texts of the main window's tooltips, by control or command identifier.
#pragma once

// The tooltip text of a control or toolbar command, or null when it has none
// (static labels, radio buttons, group boxes, every unlisted identifier).
const char* FindTooltipText(int id);
