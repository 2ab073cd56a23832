// The profile reader and editor over arbitrary bytes, as a damaged or hand-edited
// "PlanTransit.cfg" would reach them. Beyond the sanitizers' checks it holds the
// editor to its promises: a value set is found again, and no other key changes.
// The input's size picks the one key read every way and set, so each run stays
// short and the fuzzer reaches every key.
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

// Sets one key and checks that it reads back and that every other key reads as
// `before` holds it (found, and its value).
void SetAndCompare(std::string_view text, std::size_t changed, const bool (&foundBefore)[std::size(kNames)],
                   const std::string_view (&before)[std::size(kNames)]) {
  const Name& name = kNames[changed];
  std::string updated;
  if (!SetProfileValue(text, name.section, name.key, kNewValue, updated)) Fail("set refused", name);
  std::string_view value;
  if (!FindProfileValue(updated, name.section, name.key, value) || value != kNewValue) {
    Fail("value set is not read back", name);
  }
  for (std::size_t other = 0; other < std::size(kNames); ++other) {
    if (other == changed) continue;
    std::string_view after;
    bool foundAfter = FindProfileValue(updated, kNames[other].section, kNames[other].key, after);
    if (foundBefore[other] != foundAfter || before[other] != after) Fail("another key changed", kNames[other]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t picked = size % std::size(kNames);
  ReadEveryWay(text, kNames[picked]);
  bool found[std::size(kNames)];
  std::string_view values[std::size(kNames)];
  for (std::size_t index = 0; index < std::size(kNames); ++index) {
    found[index] = FindProfileValue(text, kNames[index].section, kNames[index].key, values[index]);
  }
  SetAndCompare(text, picked, found, values);
  return 0;
}
