// Which registry key gives the Flight Simulator folder, and what is skipped.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/FlightSimulatorPath.h"
#include "support/TestPorts.h"

namespace {

constexpr const char* kKey7 = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0";
constexpr const char* kKey8 = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";

struct RegistryCase {
  const char* name;
  const char* value7;  // null: the key or value is missing
  std::string value8;
  bool found;
  std::string folder;
  std::vector<std::string> keysRead;
};

TEST(FlightSimulatorPathTest, TriesTheKeyOf2000BeforeTheKeyOf2002) {
  const std::string folder259(259, 'f');
  const std::string folder260(260, 'f');
  const RegistryCase cases[] = {
      {"both keys: 7.0 wins", "C:\\FS2000", "C:\\FS2002", true, "C:\\FS2000", {kKey7}},
      {"only 8.0", nullptr, "C:\\FS2002", true, "C:\\FS2002", {kKey7, kKey8}},
      {"neither", nullptr, "", false, "untouched", {kKey7, kKey8}},
      {"259 characters fit", folder259.c_str(), "C:\\FS2002", true, folder259, {kKey7}},
      {"260 characters are skipped like a missing value", folder260.c_str(), "C:\\FS2002", true, "C:\\FS2002",
       {kKey7, kKey8}},
      {"an empty value is a value", "", "C:\\FS2002", true, "", {kKey7}},
  };
  for (const RegistryCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestPorts t;
    if (c.value7 != nullptr) t.registry.Set(kKey7, "path", c.value7);
    if (!c.value8.empty()) t.registry.Set(kKey8, "path", c.value8);
    char out[260] = "untouched";
    EXPECT_EQ(c.found, FindFlightSimulatorPath(t.registry, out));
    EXPECT_EQ(c.folder, out);
    EXPECT_EQ(c.keysRead, t.registry.keysRead);
  }
}

TEST(FlightSimulatorPathTest, OnlyTheValueNamedPathCounts) {
  TestPorts t;
  t.registry.Set(kKey7, "Path Name", "C:\\Elsewhere");
  t.registry.Set(kKey8, "path", "C:\\FS2002");
  char out[260] = "";
  ASSERT_TRUE(FindFlightSimulatorPath(t.registry, out));
  EXPECT_STREQ("C:\\FS2002", out);
}

}  // namespace
