// The build guard that Save, Save as and Print share: none of them runs before a
// route has been built.
#pragma once

struct App;

// When the last build did not succeed (`routeBuilt` clear): warns "No Route Build
// Process has been run yet!" / "Will do this for you now!", posts Build (1019)
// to the main window and answers false; the asked-for command does not run and
// the user chooses it again. Answers true, showing nothing, after a good build.
bool PassBuildGuard(App& app);
