// The program settings and the configuration file "PlanTransit.cfg": every field
// loaded with its default and folder fallbacks, and keys written back one at a
// time (the last files at exit, the settings sheet's fields on apply).
#pragma once

#include <cstdint>

#include "config/ConfigurationLocation.h"
#include "config/ProgramSettings.h"
#include "host/RegistryPort.h"

// Fills every field of `settings` from the configuration file (see
// ConfigurationLocation.h); a missing or unreadable file gives every default,
// with no message. Integers first, then texts, then each format's Save all
// switch (key [Startup] `name`, default 0) and folder ("Pathname" of its
// `folderSection`): a folder empty or missing becomes, for the format whose
// folder lies in the simulator, the Flight Simulator folder (from `registry`)
// followed by "\Flights\MyFlts", else a copy of a non-empty `defaultDestDir`,
// else the current folder. Values are taken as stored, without range checks;
// texts are cut to 259 characters.
void LoadSettings(const ConfigurationPorts& ports, RegistryPort& registry, ProgramSettings& settings);

// Writes, in this order, "AirpFile" "Pathname" and "Filename", "SrceFile"
// "Pathname" and "Filename", "DestFile" "Pathname" and "Filename" from the
// settings, and "Startup" "FilterIndex" = `exportType`. Every key is attempted;
// true when every write succeeded.
bool SaveLastFiles(const ConfigurationPorts& ports, const ProgramSettings& settings);

// Writes one key of the configuration file, as the settings sheet stores each of
// its fields. The key goes to the per-user file; while that does not exist yet,
// the old file that was read is carried over with it, so no setting is lost. True
// when the file was replaced with the new value in it.
bool WriteSettingText(const ConfigurationPorts& ports, const char* section, const char* key, const char* value);

// WriteSettingText with the value as decimal text.
bool WriteSettingInt(const ConfigurationPorts& ports, const char* section, const char* key, int32_t value);

// The key of the Save all folders' sections ("Pathname").
constexpr const char* kFolderKey = "Pathname";
// The section of the Save all switches and of the window options.
constexpr const char* kStartupSection = "Startup";
