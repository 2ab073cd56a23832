// The check that Save, Save as and Print make before they run: a route must have
// been built.
#pragma once

struct App;

// True when the last route build succeeded. Otherwise shows "No Route Build
// Process has been run yet!\nWill do this for you now!" (warning, OK), posts the
// Build command (1019) to the main window and answers false: the command that
// asked does not run; the user chooses it again after the build.
bool PassBuildGuard(App& app);
