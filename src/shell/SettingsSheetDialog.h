// The settings property sheet on Windows: its two pages over the portable
// settings-sheet logic.
#pragma once

struct Shell;

// Runs the modal sheet "PlanTransit - Settings" (Options and Exports pages) over
// the main window; returns when it is closed.
void ShowSettingsSheet(Shell& shell);
