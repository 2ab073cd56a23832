// Build (40006, 1019): the route build run from the main window.
#pragma once

struct App;

// Runs the route build and keeps its result as `routeBuilt`; when it fails, adds
// "Failed to build Flight-Plan from file %s" (%s = `sourceFileName`; warning, OK)
// to the build's own message.
void BuildPlan(App& app);
