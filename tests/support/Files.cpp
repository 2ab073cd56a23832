#include "support/Files.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace {

std::string Visible(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n\n";
    else if (c < 0x20 || c >= 0x7f) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    } else out += static_cast<char>(c);
  }
  return out;
}

}  // namespace

TemporaryFolder::TemporaryFolder() {
  static std::atomic<int> counter{0};
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string leaf = "plantransit-test-" + std::to_string(counter++) + "-" +
                     (test != nullptr ? std::string(test->name()) : std::string("setup"));
  for (char& c : leaf) {
    if (c == '/') c = '_';
  }
  path_ = std::filesystem::temp_directory_path() / leaf;
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TemporaryFolder::File(const std::string& name) const { return (path_ / name).string(); }

std::string TemporaryFolder::Listing() const {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.insert(entry.path().filename().string());
  }
  std::string listing;
  for (const std::string& name : names) listing += name + ";";
  return listing;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string GoldenPath(const std::string& relative) {
  return std::string(PLANTRANSIT_GOLDEN_DIR) + "/" + relative;
}

::testing::AssertionResult MatchesGolden(const std::string& actual, const std::string& goldenRelative) {
  std::string expected = ReadBytes(GoldenPath(goldenRelative));
  if (expected.empty()) {
    return ::testing::AssertionFailure() << "golden file " << GoldenPath(goldenRelative)
                                         << " is missing or empty";
  }
  if (actual == expected) return ::testing::AssertionSuccess();
  std::size_t offset = 0;
  while (offset < actual.size() && offset < expected.size() && actual[offset] == expected[offset]) {
    ++offset;
  }
  return ::testing::AssertionFailure()
         << "differs from " << goldenRelative << " at byte " << offset << " (expected "
         << expected.size() << " bytes, got " << actual.size() << ")\n--- expected\n"
         << Visible(expected) << "\n--- actual\n" << Visible(actual);
}
