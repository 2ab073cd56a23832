// The Exports page's rows on screen: made when the page is, one per format, so
// the page template holds only its group box.
#pragma once

#include "shell/Win32.h"

// Creates, in the registry's page order, each format's check box (its label),
// folder field and "..." button with the ids ExportsPage() gives them, in the
// page's font, inside the group box. Up to ten rows keep the spacing they always
// had; more rows are drawn closer so that all fit the page.
void CreateExportsPageRows(HWND page);
