// The profile reader and editor over arbitrary bytes, as a damaged or hand-edited
// "PlanTransit.cfg" would reach them. Beyond the sanitizers' checks it holds the
// editor to its promises: a value set is found again, and no other key changes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "config/ProfileText.h"

namespace {

struct Name {
  const char* section;
  const char* key;
};

// Keys of the program (DataSource in the spelling the settings sheet writes) and
// short ones the fuzzer easily makes up.
constexpr Name kNames[] = {
    {"Startup", "Menuoption"}, {"Startup", "FilterIndex"}, {"DefDataSource", "DataSource"},
    {"AirpFile", "Pathname"},  {"DefMSFSDir", "Pathname"}, {"a", "b"},
};
constexpr const char* kNewValue = "C:\\Flights\\MyFlts";

[[noreturn]] void Fail(const char* what, const Name& name) {
  std::fprintf(stderr, "%s: [%s] %s\n", what, name.section, name.key);
  __builtin_trap();
}

void ReadEveryWay(std::string_view text, const Name& name) {
  ReadProfileInt(text, name.section, name.key, 1);
  char out[261];
  std::memset(out, '#', sizeof out);
  ReadProfileText(text, name.section, name.key, "default", out, 260);
  if (out[260] != '#' || std::strlen(out) > 259) Fail("text read past its buffer", name);
}

// Sets one key and checks that it reads back and that every other key reads as before.
void SetAndCompare(std::string_view text, std::size_t changed) {
  const Name& name = kNames[changed];
  std::string updated;
  if (!SetProfileValue(text, name.section, name.key, kNewValue, updated)) Fail("set refused", name);
  std::string_view value;
  if (!FindProfileValue(updated, name.section, name.key, value) || value != kNewValue) {
    Fail("value set is not read back", name);
  }
  for (std::size_t other = 0; other < std::size(kNames); ++other) {
    if (other == changed) continue;
    std::string_view before, after;
    bool foundBefore = FindProfileValue(text, kNames[other].section, kNames[other].key, before);
    bool foundAfter = FindProfileValue(updated, kNames[other].section, kNames[other].key, after);
    if (foundBefore != foundAfter || before != after) Fail("another key changed", kNames[other]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const Name& name : kNames) ReadEveryWay(text, name);
  for (std::size_t changed = 0; changed < std::size(kNames); ++changed) SetAndCompare(text, changed);
  return 0;
}
