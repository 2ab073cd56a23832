// TEMPORARY, until LoadSettings of the configuration work is merged: the window
// starts from the documented defaults, as with no configuration file. Removed
// together with its one call when LoadSettings takes its place.
#pragma once

struct App;

void StartFromDefaultSettingsUntilLoadSettingsLands(App& app);
