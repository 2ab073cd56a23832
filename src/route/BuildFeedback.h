// What the main window shows while a route is read: the busy feedback (wait
// cursor, animation) and the status text, the latter only on a visible status bar.
#pragma once

#include "App.h"

// Wait cursor, animation, "Building WP Table and Runway Information".
void StartBuildFeedback(App& app);

// Arrow cursor, animation stopped and hidden, status text emptied.
void StopBuildFeedback(App& app);
