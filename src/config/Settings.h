// The program settings and the configuration file "PlanTransit.cfg": every field
// loaded with its default and folder fallbacks, and keys written back one at a
// time (the last files at exit, the settings sheet's fields on apply).
#pragma once

#include <cstdint>

struct App;

// Fills every field of app.settings from the configuration file (see
// ConfigurationLocation.h); a missing or unreadable file gives every default, with
// no message. Integers first, then texts, then the bulk folders: `msfsDir` empty
// or missing becomes the Flight Simulator folder followed by "\Flights\MyFlts",
// else a copy of a non-empty `defaultDestDir`, else the current folder; the other
// bulk folders (NAV, ACS-GPS, RC99, SQB, SFP, MSFS2020, XPLANE, GARMIN, GPX) take
// the last two fallbacks.
// Values are taken as stored, without range checks; texts are cut to 259
// characters. Needs app.host.files, .environment and .registry.
void LoadSettings(App& app);

// Writes, in this order, "AirpFile" "Pathname" and "Filename", "SrceFile"
// "Pathname" and "Filename", "DestFile" "Pathname" and "Filename" from the
// settings, and "Startup" "FilterIndex" = `exportType`. Every key is attempted;
// true when every write succeeded.
bool SaveLastFiles(App& app);

// Writes one key of the configuration file, as the settings sheet stores each of
// its fields. The key goes to the per-user file; while that does not exist yet,
// the old file that was read is carried over with it, so no setting is lost. True
// when the file was replaced with the new value in it.
bool WriteSettingText(App& app, const char* section, const char* key, const char* value);

// WriteSettingText with the value as decimal text.
bool WriteSettingInt(App& app, const char* section, const char* key, int32_t value);
