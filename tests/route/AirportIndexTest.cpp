// The index of the data file answers every identifier as the scan of the same
// bytes does: the same line (the first usable one), the same fields, and with a
// read failing in the middle, the same lookups found and the same ones failed.
#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/AirportIndex.h"
#include "route/AirportScan.h"
#include "support/FakeFileSystem.h"

namespace {

constexpr const char* kDataPath = "data";

struct Answer {
  AirportScanResult result;
  AirportLine fields;
};

struct Reading {
  std::size_t errorAt;  // SIZE_MAX: no read error
  std::size_t chunk;    // 0: reads as large as asked
};

std::unique_ptr<InputFile> Open(FakeFileSystem& files, const std::string& bytes, const Reading& reading) {
  files.files[kDataPath] = bytes;
  files.readChunk = reading.chunk;
  if (reading.errorAt != SIZE_MAX) files.readErrorAt[kDataPath] = {reading.errorAt};
  return files.OpenForReading(kDataPath);
}

Answer Scan(const std::string& bytes, const Reading& reading, const std::string& ident) {
  FakeFileSystem files;
  Answer answer{};
  answer.result = FindAirportLine(*Open(files, bytes, reading), ident.c_str(), answer.fields);
  return answer;
}

void ExpectSameFields(const AirportLine& expected, const AirportLine& actual) {
  EXPECT_EQ(expected.assigned, actual.assigned);
  EXPECT_STREQ(expected.ident, actual.ident);
  EXPECT_STREQ(expected.name, actual.name);
  if (expected.assigned >= 3) {
    EXPECT_EQ(expected.elevation, actual.elevation);
  }
  for (int word = 0; word < kAirportWordCount; ++word) EXPECT_STREQ(expected.words[word], actual.words[word]);
}

// Several blocks of lines whose identifiers repeat many times, the first of them
// often on a line the lookup cannot use (a name over 50 characters, an
// identifier running on past 5), or on one with a word just at its width, or a
// NUL ending it before its name, or at the start of a long line's second piece,
// where only a piece-wise reading meets it. Q1 and Q2 have no usable line at
// all. The identifiers met are added to `idents`.
std::string GeneratedDataFile(std::mt19937& random, std::vector<std::string>& idents) {
  using namespace std::string_literals;
  std::string bytes = "Q1 " + std::string(51, 'n') + " 5\nQ2WXYZ Cut 5\n";
  while (bytes.size() < 3 * kAirportBlockSize) {
    std::string ident = std::string("K").append(std::to_string(random() % 120));
    std::string line = ident + " Name_" + std::to_string(bytes.size()) + " " + std::to_string(random() % 9000) +
                       " 1.5 2.5 09_3000-27_3000 " + std::to_string(random() % 36);
    switch (random() % 8) {
      case 0: line = ident + " " + std::string(50 + random() % 2, 'n') + " 1"; break;
      case 1:
        ident = (ident + "WXYZ").substr(0, 5 + random() % 2);
        line = ident + " Wide 1";
        break;
      case 2: line = "  " + ident + "\0Hidden 1"s; break;
      case 3: line = std::string(511 - random() % 2, 'y') + ident + " Piece 7 a b 16"; break;
      default: break;
    }
    idents.push_back(ident);
    bytes += line + (random() % 2 == 0 ? "\r\n" : "\n");
  }
  return bytes;
}

TEST(AirportIndex, AnswersEveryIdentifierAsTheScanDoesBeforeAndAfterAFailedRead) {
  std::mt19937 random(1515);
  std::vector<std::string> idents = {"Q1", "Q2", "Q2WXY", "NONE", "", "y", "Piece"};
  std::string bytes = GeneratedDataFile(random, idents);
  std::sort(idents.begin(), idents.end());
  idents.erase(std::unique(idents.begin(), idents.end()), idents.end());
  std::vector<Reading> readings = {{SIZE_MAX, 0}, {SIZE_MAX, 997}, {bytes.size() / 2, 0},
                                   {bytes.size() / 3 + 1, 4093}, {kAirportBlockSize, 0}};
  for (const Reading& reading : readings) {
    SCOPED_TRACE("read error at " + std::to_string(reading.errorAt) + ", chunk " +
                 std::to_string(reading.chunk));
    FakeFileSystem files;
    AirportIndex index;
    index.Read(*Open(files, bytes, reading));
    int outcomes[3] = {};
    for (const std::string& ident : idents) {
      SCOPED_TRACE("ident \"" + ident + "\"");
      Answer expected = Scan(bytes, reading, ident);
      Answer actual{};
      actual.result = index.Find(ident.c_str(), actual.fields);
      ASSERT_EQ(expected.result, actual.result);
      if (expected.result == AirportScanResult::Found) ExpectSameFields(expected.fields, actual.fields);
      ++outcomes[static_cast<int>(expected.result)];
    }
    bool readFails = reading.errorAt != SIZE_MAX;
    EXPECT_GT(outcomes[static_cast<int>(AirportScanResult::Found)], 50) << "lines before the failure are found";
    EXPECT_EQ(readFails, outcomes[static_cast<int>(AirportScanResult::ReadError)] > 0);
    EXPECT_EQ(!readFails, outcomes[static_cast<int>(AirportScanResult::NotFound)] > 0);
  }
}

}  // namespace
