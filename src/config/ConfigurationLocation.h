// Where the configuration file "PlanTransit.cfg" lives. Programs may no longer
// write into the Windows folder, so the file is kept per user: under %APPDATA% on
// Windows, under the XDG configuration folder elsewhere. An older installation's
// file in the Windows folder is still read until the per-user file exists.
#pragma once

#include "host/EnvironmentPort.h"
#include "host/FileSystem.h"
#include "host/Paths.h"

// The conventions that place the per-user file.
enum class ConfigurationLayout {
  Windows,  // %APPDATA%\PlanTransit\PlanTransit.cfg, old file in the Windows folder
  Xdg,      // $XDG_CONFIG_HOME/PlanTransit/PlanTransit.cfg, ~/.config when unset
};

#ifdef _WIN32
constexpr ConfigurationLayout kNativeConfigurationLayout = ConfigurationLayout::Windows;
#else
constexpr ConfigurationLayout kNativeConfigurationLayout = ConfigurationLayout::Xdg;
#endif

constexpr const char* kConfigurationFileName = "PlanTransit.cfg";
// Names the configuration file's full path, overriding every other rule.
constexpr const char* kConfigurationVariable = "PLANTRANSIT_CONFIG";

struct ConfigurationPaths {
  char readPath[kPathSize];   // the file settings are read from; "" for none
  char writePath[kPathSize];  // the file every write goes to; "" for none
};

// Fills `paths` by these rules, the first that applies:
// - PLANTRANSIT_CONFIG set and non-empty: it is both paths (portable installations,
//   tests).
// - Windows layout: the write path is %APPDATA%\PlanTransit\PlanTransit.cfg. The
//   read path is the same file, or, while that cannot be opened, "PlanTransit.cfg"
//   in the Windows folder when that one can, else the copy Windows redirected
//   there, in %LOCALAPPDATA%\VirtualStore\<the Windows folder below its root>.
// - Xdg layout: both paths are $XDG_CONFIG_HOME/PlanTransit/PlanTransit.cfg, with
//   $HOME/.config in place of an unset, empty or relative XDG_CONFIG_HOME.
// Folders are joined with the platform's separator. A path that would not fit 259
// characters, or whose variables are unset, is "". True when there is a file to
// write to.
bool LocateConfigurationFile(EnvironmentPort& environment, FileSystem& files, ConfigurationLayout layout,
                             ConfigurationPaths& paths);

// What the configuration file is reached through: the environment that places
// it and the files.
struct ConfigurationPorts {
  FileSystem& files;
  EnvironmentPort& environment;
};

// LocateConfigurationFile with the platform's own layout.
bool LocateConfigurationFile(const ConfigurationPorts& ports, ConfigurationPaths& paths);
