// The rules that place the configuration file, over the environment port.
#include "config/ConfigurationLocation.h"

#include <cstring>
#include <initializer_list>
#include <string>

namespace {

constexpr const char* kProgramFolder = "PlanTransit";

bool IsSet(const char* value) { return value != nullptr && value[0] != '\0'; }

// Copies `path` into a path buffer; "" and false when it does not fit.
bool CopyPath(char* out, const std::string& path) {
  if (path.size() >= static_cast<std::size_t>(kPathSize)) {
    out[0] = '\0';
    return false;
  }
  std::memcpy(out, path.c_str(), path.size() + 1);
  return true;
}

// `folder` followed by `names`, each after one separator (none is doubled after a
// folder that ends in one); "" and false when the result does not fit.
bool JoinPath(char* out, const char* folder, std::initializer_list<const char*> names) {
  std::string path(folder);
  for (const char* name : names) {
    if (!path.empty() && !IsPathSeparator(path.back())) path += kPathSeparator;
    path += name;
  }
  return CopyPath(out, path);
}

// The folder below its drive and root ("Windows" of "C:\Windows").
const char* BelowRoot(const char* folder) {
  if (folder[0] != '\0' && folder[1] == ':') folder += 2;
  while (IsPathSeparator(*folder)) ++folder;
  return folder;
}

// The old file of an earlier installation: in the Windows folder, or where
// Windows Vista and later redirected a write there by a program without a
// manifest, %LOCALAPPDATA%\VirtualStore\<the Windows folder below its root>.
// False when neither can be opened.
bool FindOldFile(EnvironmentPort& environment, FileSystem& files, char (&oldPath)[kPathSize]) {
  char windowsFolder[kPathSize];
  if (!environment.WindowsFolder(windowsFolder, sizeof windowsFolder)) return false;
  if (JoinPath(oldPath, windowsFolder, {kConfigurationFileName}) && files.CanOpenForReading(oldPath)) return true;
  const char* localAppData = environment.Variable("LOCALAPPDATA");
  return IsSet(localAppData) &&
         JoinPath(oldPath, localAppData, {"VirtualStore", BelowRoot(windowsFolder), kConfigurationFileName}) &&
         files.CanOpenForReading(oldPath);
}

void LocateWindowsFiles(EnvironmentPort& environment, FileSystem& files, ConfigurationPaths& paths) {
  const char* appData = environment.Variable("APPDATA");
  if (IsSet(appData)) JoinPath(paths.writePath, appData, {kProgramFolder, kConfigurationFileName});
  std::strcpy(paths.readPath, paths.writePath);
  if (paths.writePath[0] != '\0' && files.CanOpenForReading(paths.writePath)) return;

  char oldPath[kPathSize];
  if (FindOldFile(environment, files, oldPath)) std::strcpy(paths.readPath, oldPath);
}

void LocateXdgFiles(EnvironmentPort& environment, ConfigurationPaths& paths) {
  const char* configHome = environment.Variable("XDG_CONFIG_HOME");
  if (IsSet(configHome) && IsAbsolutePath(configHome)) {
    JoinPath(paths.writePath, configHome, {kProgramFolder, kConfigurationFileName});
  } else if (const char* home = environment.Variable("HOME"); IsSet(home)) {
    JoinPath(paths.writePath, home, {".config", kProgramFolder, kConfigurationFileName});
  }
  std::strcpy(paths.readPath, paths.writePath);
}

}  // namespace

bool LocateConfigurationFile(EnvironmentPort& environment, FileSystem& files, ConfigurationLayout layout,
                             ConfigurationPaths& paths) {
  paths.readPath[0] = '\0';
  paths.writePath[0] = '\0';
  const char* chosen = environment.Variable(kConfigurationVariable);
  if (IsSet(chosen)) {
    CopyPath(paths.writePath, chosen);
    std::strcpy(paths.readPath, paths.writePath);
  } else if (layout == ConfigurationLayout::Windows) {
    LocateWindowsFiles(environment, files, paths);
  } else {
    LocateXdgFiles(environment, paths);
  }
  return paths.writePath[0] != '\0';
}

bool LocateConfigurationFile(const ConfigurationPorts& ports, ConfigurationPaths& paths) {
  return LocateConfigurationFile(ports.environment, ports.files, kNativeConfigurationLayout, paths);
}
