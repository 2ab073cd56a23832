// Where the configuration file is read from and written to, on each layout.
#include <initializer_list>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "config/ConfigurationLocation.h"
#include "host/Paths.h"
#include "support/FakeEnvironment.h"
#include "support/FakeFileSystem.h"
#include "support/TestPorts.h"

namespace {

// A path written with "/" in the platform's own spelling.
std::string Native(std::string path) {
  for (char& c : path) {
    if (c == '/') c = kPathSeparator;
  }
  return path;
}

struct LocationCase {
  const char* name;
  ConfigurationLayout layout;
  std::initializer_list<std::pair<const char*, const char*>> variables;
  const char* windowsFolder;
  std::initializer_list<const char*> existingFiles;
  const char* readPath;
  const char* writePath;
};

constexpr auto kWindows = ConfigurationLayout::Windows;
constexpr auto kXdg = ConfigurationLayout::Xdg;
constexpr const char* kPerUser = "/users/ann/AppData/Roaming/PlanTransit/PlanTransit.cfg";
constexpr const char* kOld = "/windows/PlanTransit.cfg";
constexpr const char* kRedirected = "/users/ann/AppData/Local/VirtualStore/windows/PlanTransit.cfg";

TEST(ConfigurationLocationTest, PlacesTheFileByTheRulesOfEachLayout) {
  const LocationCase cases[] = {
      {"the variable names the file on Windows", kWindows,
       {{"PLANTRANSIT_CONFIG", "/portable/my.cfg"}, {"APPDATA", "/users/ann/AppData/Roaming"}}, "/windows",
       {kOld}, "/portable/my.cfg", "/portable/my.cfg"},
      {"the variable names the file elsewhere", kXdg,
       {{"PLANTRANSIT_CONFIG", "/portable/my.cfg"}, {"HOME", "/home/ann"}}, "", {}, "/portable/my.cfg",
       "/portable/my.cfg"},
      {"an empty variable counts as unset", kXdg, {{"PLANTRANSIT_CONFIG", ""}, {"HOME", "/home/ann"}}, "", {},
       "/home/ann/.config/PlanTransit/PlanTransit.cfg", "/home/ann/.config/PlanTransit/PlanTransit.cfg"},
      {"per-user file under APPDATA", kWindows, {{"APPDATA", "/users/ann/AppData/Roaming"}}, "/windows",
       {kPerUser}, kPerUser, kPerUser},
      {"per-user file wins over the old one", kWindows, {{"APPDATA", "/users/ann/AppData/Roaming"}},
       "/windows", {kPerUser, kOld}, kPerUser, kPerUser},
      {"old file read while the per-user one is missing", kWindows,
       {{"APPDATA", "/users/ann/AppData/Roaming"}}, "/windows", {kOld}, kOld, kPerUser},
      {"old file redirected into the VirtualStore", kWindows,
       {{"APPDATA", "/users/ann/AppData/Roaming"}, {"LOCALAPPDATA", "/users/ann/AppData/Local"}}, "/windows",
       {kRedirected}, kRedirected, kPerUser},
      {"the VirtualStore holds the Windows folder without its drive", kWindows,
       {{"APPDATA", "/users/ann/AppData/Roaming"}, {"LOCALAPPDATA", "/users/ann/AppData/Local"}}, "C:/windows",
       {kRedirected}, kRedirected, kPerUser},
      {"the real Windows folder comes before the VirtualStore", kWindows,
       {{"APPDATA", "/users/ann/AppData/Roaming"}, {"LOCALAPPDATA", "/users/ann/AppData/Local"}}, "/windows",
       {kOld, kRedirected}, kOld, kPerUser},
      {"neither file yet", kWindows, {{"APPDATA", "/users/ann/AppData/Roaming"}}, "/windows", {}, kPerUser,
       kPerUser},
      {"APPDATA ending in a separator", kWindows, {{"APPDATA", "/users/ann/AppData/Roaming/"}}, "/windows", {},
       kPerUser, kPerUser},
      {"no APPDATA: the old file is read, nothing can be written", kWindows, {}, "/windows", {kOld}, kOld, ""},
      {"no APPDATA and no old file", kWindows, {}, "/windows", {}, "", ""},
      {"XDG_CONFIG_HOME", kXdg, {{"XDG_CONFIG_HOME", "/home/ann/cfg"}, {"HOME", "/home/ann"}}, "", {},
       "/home/ann/cfg/PlanTransit/PlanTransit.cfg", "/home/ann/cfg/PlanTransit/PlanTransit.cfg"},
      {"~/.config when XDG_CONFIG_HOME is unset", kXdg, {{"HOME", "/home/ann"}}, "", {},
       "/home/ann/.config/PlanTransit/PlanTransit.cfg", "/home/ann/.config/PlanTransit/PlanTransit.cfg"},
      {"~/.config when XDG_CONFIG_HOME is empty", kXdg, {{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/ann"}}, "", {},
       "/home/ann/.config/PlanTransit/PlanTransit.cfg", "/home/ann/.config/PlanTransit/PlanTransit.cfg"},
      {"~/.config when XDG_CONFIG_HOME is relative", kXdg,
       {{"XDG_CONFIG_HOME", "cfg"}, {"HOME", "/home/ann"}}, "", {},
       "/home/ann/.config/PlanTransit/PlanTransit.cfg", "/home/ann/.config/PlanTransit/PlanTransit.cfg"},
      {"neither XDG_CONFIG_HOME nor HOME", kXdg, {}, "", {}, "", ""},
      {"the Windows folder plays no part elsewhere", kXdg, {{"HOME", "/home/ann"}}, "/windows", {kOld},
       "/home/ann/.config/PlanTransit/PlanTransit.cfg", "/home/ann/.config/PlanTransit/PlanTransit.cfg"},
  };
  for (const LocationCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakeEnvironment environment;
    FakeFileSystem files;
    for (const auto& [name, value] : c.variables) environment.variables[name] = Native(value);
    environment.windowsFolder = Native(c.windowsFolder);
    for (const char* path : c.existingFiles) files.files[Native(path)] = "[Startup]\r\n";
    ConfigurationPaths paths;
    EXPECT_EQ(c.writePath[0] != '\0', LocateConfigurationFile(environment, files, c.layout, paths));
    EXPECT_EQ(Native(c.readPath), paths.readPath);
    EXPECT_EQ(Native(c.writePath), paths.writePath);
  }
}

struct TooLongCase {
  const char* name;
  ConfigurationLayout layout;
  const char* variable;
  std::string value;
};

TEST(ConfigurationLocationTest, PathsThatWouldNotFitAreNone) {
  const std::string longFolder = Native("/" + std::string(240, 'f'));
  const TooLongCase cases[] = {
      {"a variable of 260 characters", kXdg, "PLANTRANSIT_CONFIG", Native("/" + std::string(259, 'c'))},
      {"APPDATA too long for the file name", kWindows, "APPDATA", longFolder},
      {"HOME too long for the file name", kXdg, "HOME", longFolder},
  };
  for (const TooLongCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakeEnvironment environment;
    FakeFileSystem files;
    environment.variables[c.variable] = c.value;
    ConfigurationPaths paths;
    EXPECT_FALSE(LocateConfigurationFile(environment, files, c.layout, paths));
    EXPECT_STREQ("", paths.readPath);
    EXPECT_STREQ("", paths.writePath);
  }
}

TEST(ConfigurationLocationTest, TheProgramUsesItsPlatformsLayoutAndPorts) {
  TestPorts t;
  t.environment.variables["APPDATA"] = Native("/users/ann/AppData/Roaming");
  t.environment.variables["HOME"] = Native("/home/ann");
  ConfigurationPaths paths;
  ASSERT_TRUE(LocateConfigurationFile(t.Configuration(), paths));
#ifdef _WIN32
  EXPECT_EQ(Native(kPerUser), paths.writePath);
#else
  EXPECT_EQ("/home/ann/.config/PlanTransit/PlanTransit.cfg", std::string(paths.writePath));
#endif
}

}  // namespace
