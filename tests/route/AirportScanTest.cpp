// The block scan of the data file meets exactly the lines that reading it line by
// line in pieces of 511 characters and splitting every one would meet: across
// block boundaries, in long lines, with CR LF line ends and short reads.
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/AirportScan.h"
#include "support/FakeFileSystem.h"
#include "support/ReferenceReaders.h"

namespace {

struct ScanOutcome {
  AirportScanResult result;
  AirportLine fields;
};

ScanOutcome Scan(const std::string& bytes, const std::string& ident, std::size_t readChunk = 0) {
  FakeFileSystem files;
  files.files["data"] = bytes;
  files.readChunk = readChunk;
  std::unique_ptr<InputFile> file = files.OpenForReading("data");
  ScanOutcome outcome{};
  outcome.result = FindAirportLine(*file, ident.c_str(), outcome.fields);
  return outcome;
}

// Returns whether the line-by-line reading found the ident.
bool ExpectSameAsLineByLine(const std::string& bytes, const std::vector<ReferenceAirportLine>& lines,
                            const std::string& ident, std::size_t readChunk) {
  SCOPED_TRACE("ident " + ident + ", read chunk " + std::to_string(readChunk));
  ReferenceAirportLine expected;
  bool found = ReferenceFindAirportLine(lines, ident, expected);
  ScanOutcome outcome = Scan(bytes, ident, readChunk);
  EXPECT_EQ(found ? AirportScanResult::Found : AirportScanResult::NotFound, outcome.result);
  if (!found || outcome.result != AirportScanResult::Found) return found;
  EXPECT_EQ(expected.assigned, outcome.fields.assigned);
  EXPECT_EQ(expected.name, outcome.fields.name);
  if (expected.assigned >= 3) {
    EXPECT_EQ(expected.elevation, outcome.fields.elevation);
  }
  for (std::size_t word = 0; word < expected.words.size(); ++word) {
    EXPECT_EQ(expected.words[word].substr(0, kAirportWordLength), outcome.fields.words[word]);
  }
  return found;
}

std::string RandomWord(std::mt19937& random, std::size_t maxLength) {
  static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-";
  std::string word(1 + random() % maxLength, 'A');
  for (char& c : word) c = letters[random() % (sizeof letters - 1)];
  return word;
}

// A data file of ordinary lines among which some are long (several pieces), some
// carry their ident exactly where a piece starts, some end in CR LF, some are
// duplicates, and the last may lack its line feed.
std::string GeneratedDataFile(std::mt19937& random, std::vector<std::string>& idents) {
  std::string bytes;
  for (int line = 0; line < 3000; ++line) {
    std::string ident = RandomWord(random, 5).substr(0, 1 + random() % 4);
    std::string text = ident + " " + RandomWord(random, 30) + " " + std::to_string(random() % 9000) + " a b";
    for (int runway = random() % 4; runway > 0; --runway) text.append(" ").append(RandomWord(random, 20));
    switch (random() % 12) {
      case 0: text.append(" ").append(400 + random() % 2000, 'x'); break;
      case 1: {
        std::string hidden = RandomWord(random, 5).substr(0, 4);
        idents.push_back(hidden);
        text = std::string(511 - random() % 2, 'y') + hidden + " Hidden 7 a b 09";
        break;
      }
      case 2: text = std::string(3 + random() % 3, ' ') + text; break;
      default: break;
    }
    bytes += text + (random() % 3 == 0 ? "\r\n" : "\n");
    if (random() % 5 == 0) idents.push_back(ident);
  }
  return bytes + "LAST Final_line 5 a b 27";
}

TEST(AirportScan, MeetsTheSameLinesAsTheLineByLineReading) {
  std::mt19937 random(3411);
  std::vector<std::string> idents = {"LAST", "NONE", "A", "x"};
  std::string bytes = GeneratedDataFile(random, idents);
  ASSERT_GT(bytes.size(), 3 * kAirportBlockSize) << "the file spans several blocks";
  std::vector<ReferenceAirportLine> lines = ReferenceAirportLines(bytes);
  int found = 0;
  for (std::size_t i = 0; i < idents.size() && i < 60; ++i) {
    found += ExpectSameAsLineByLine(bytes, lines, idents[i], 0);
    ExpectSameAsLineByLine(bytes, lines, idents[i], 997);
  }
  EXPECT_GT(found, 30) << "most idents asked for are in the file";
}

TEST(AirportScan, MeetsTheSameLinesWhereTheIdentAlsoStandsInsideOtherLines) {
  // Every line holds the ident's bytes somewhere, so no stretch of lines can be
  // passed over unread; the ident also straddles block ends.
  std::mt19937 random(77);
  std::string bytes;
  while (bytes.size() < 3 * kAirportBlockSize) {
    std::string filler(random() % 700, 'f');
    bytes.append("X").append(std::to_string(random() % 100)).append(" Name_EDDF_").append(filler);
    bytes.append(" 1 a b EDDF EDD\nF\n");
    if (random() % 50 == 0) {
      bytes.append(random() % 3, ' ').append("EDDF Frankfurt_").append(std::to_string(bytes.size())).append(" 364\n");
    }
  }
  std::vector<ReferenceAirportLine> lines = ReferenceAirportLines(bytes);
  for (const char* ident : {"EDDF", "EDD", "F", "D", "X1", "1", "Name"}) {
    for (std::size_t chunk : {std::size_t{0}, std::size_t{4093}}) ExpectSameAsLineByLine(bytes, lines, ident, chunk);
  }
  EXPECT_TRUE(ExpectSameAsLineByLine(bytes, lines, "EDDF", 0)) << "the airport is in the file";
  EXPECT_TRUE(ExpectSameAsLineByLine(bytes, lines, "F", 0)) << "so is the line \"F\"";
}

TEST(AirportScan, FindsTheLastLineWhenItEndsWithoutALineFeed) {
  ScanOutcome outcome = Scan("AAA A 1\nLAST Final 5 a b 27", "LAST");
  ASSERT_EQ(AirportScanResult::Found, outcome.result);
  EXPECT_STREQ("Final", outcome.fields.name);
  EXPECT_STREQ("27", RunwayField(outcome.fields, 0));
}

TEST(AirportScan, TakesTheIdentOnlyAsAWholeWord) {
  EXPECT_EQ(AirportScanResult::NotFound, Scan("LSZHA Zurich 1\nLSZ Zurich 1\n", "LSZH").result);
  EXPECT_EQ(AirportScanResult::Found, Scan("LSZH\tZurich 1\n", "LSZH").result);
  EXPECT_EQ(AirportScanResult::Found, Scan("LSZH\n", "LSZH").result);
  EXPECT_EQ(AirportScanResult::Found, Scan("  \t LSZH Zurich\n", "LSZH").result);
}

TEST(AirportScan, ALineEndsForTheSplitAtItsFirstNul) {
  using namespace std::string_literals;
  ScanOutcome outcome = Scan("LSZH Zu\0rich 1416 a b 16\n"s, "LSZH");
  ASSERT_EQ(AirportScanResult::Found, outcome.result);
  EXPECT_EQ(2, outcome.fields.assigned);
  EXPECT_STREQ("Zu", outcome.fields.name);
  EXPECT_EQ(AirportScanResult::NotFound, Scan("\0LSZH Zurich\n"s, "LSZH").result);
}

TEST(AirportScan, AnIdentThatNoLineCanHoldIsNeverFound) {
  EXPECT_EQ(AirportScanResult::NotFound, Scan("LSZHXY Zurich 1\n", "LSZHXY").result);
  EXPECT_EQ(AirportScanResult::NotFound, Scan("\n \nX Y\n", "").result);
}

TEST(AirportScan, ReportsAReadErrorBeforeTheLine) {
  FakeFileSystem files;
  files.files["data"] = std::string(200000, 'q') + "\nLSZH Zurich 1416\n";
  files.readErrorAt["data"] = {150000};
  std::unique_ptr<InputFile> file = files.OpenForReading("data");
  AirportLine fields;
  EXPECT_EQ(AirportScanResult::ReadError, FindAirportLine(*file, "LSZH", fields));
}

}  // namespace
