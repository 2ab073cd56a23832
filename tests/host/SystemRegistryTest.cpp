// The real registry port. On Windows it reads a key of its own that the test
// writes into the 32-bit view, where 32-bit installers put theirs.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "host/SystemRegistry.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace {

#ifdef _WIN32

constexpr const char* kTestKey = "SOFTWARE\\PlanTransit Registry Test";

class SystemRegistryTest : public ::testing::Test {
 protected:
  SystemRegistryTest() {
    created_ = RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                               nullptr, &key_, nullptr) == ERROR_SUCCESS;
  }
  ~SystemRegistryTest() override {
    if (!created_) return;
    RegCloseKey(key_);
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kTestKey, KEY_WOW64_32KEY, 0);
  }

  // Stores `size` bytes of `data` as a value of type `type`.
  void Store(const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size));
  }

  SystemRegistry registry;
  HKEY key_{};
  bool created_ = false;
};

TEST_F(SystemRegistryTest, ReadsATextValueFromThe32BitView) {
  ASSERT_TRUE(created_);
  Store("path", REG_SZ, "C:\\FS2002", 10);
  char out[1024] = "";
  ASSERT_TRUE(registry.ReadMachineText(kTestKey, "path", out, sizeof out));
  EXPECT_STREQ("C:\\FS2002", out);

  HKEY key64;
  EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTestKey, 0, KEY_READ | KEY_WOW64_64KEY, &key64))
      << "the 64-bit view must not hold the key, or this test shows nothing";
}

TEST_F(SystemRegistryTest, TerminatesTextStoredWithoutItsZero) {
  ASSERT_TRUE(created_);
  Store("path", REG_BINARY, "C:\\FS", 5);
  char out[1024];
  std::memset(out, '#', sizeof out);
  ASSERT_TRUE(registry.ReadMachineText(kTestKey, "path", out, sizeof out));
  EXPECT_STREQ("C:\\FS", out);
}

TEST_F(SystemRegistryTest, ValueThatDoesNotFitIsRefused) {
  ASSERT_TRUE(created_);
  const std::string value(20, 'v');
  Store("path", REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
  char out[20];
  EXPECT_FALSE(registry.ReadMachineText(kTestKey, "path", out, sizeof out));
  char fits[21];
  EXPECT_TRUE(registry.ReadMachineText(kTestKey, "path", fits, sizeof fits));
  EXPECT_EQ(value, fits);

  Store("path", REG_BINARY, value.c_str(), static_cast<DWORD>(value.size()));
  EXPECT_FALSE(registry.ReadMachineText(kTestKey, "path", out, sizeof out)) << "no room for the terminator";
  EXPECT_TRUE(registry.ReadMachineText(kTestKey, "path", fits, sizeof fits));
  EXPECT_EQ(value, fits);
}

TEST_F(SystemRegistryTest, MissingValueOrKeyIsRefused) {
  ASSERT_TRUE(created_);
  char out[1024];
  EXPECT_FALSE(registry.ReadMachineText(kTestKey, "path", out, sizeof out));
  EXPECT_FALSE(registry.ReadMachineText("SOFTWARE\\PlanTransit No Such Key", "path", out, sizeof out));
}

#else

TEST(SystemRegistryTest, NothingIsRegisteredWithoutARegistry) {
  SystemRegistry registry;
  char out[1024] = "untouched";
  EXPECT_FALSE(registry.ReadMachineText("SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\7.0", "path", out,
                                        sizeof out));
}

#endif

}  // namespace
