// The settings property sheet on Windows: its three pages over the portable
// settings-sheet logic.
#pragma once

struct Shell;

// Runs the modal sheet "PlanTransit - Settings" (Options, Exports and Simulators pages) over
// the main window; returns when it is closed.
void ShowSettingsSheet(Shell& shell);
