// The split of the data file's lines: exactly sscanf's fields, widths included,
// and never a byte past a field.
#include <climits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "route/AirportLine.h"
#include "support/ReferenceReaders.h"

namespace {

std::vector<std::string> WordsOf(const AirportLine& fields) {
  std::vector<std::string> words;
  for (int word = 0; word + 3 < fields.assigned; ++word) words.push_back(fields.words[word]);
  return words;
}

void ExpectSameAsSscanf(const std::string& line) {
  SCOPED_TRACE("line: " + line);
  ReferenceAirportLine expected = ReferenceSplitAirportLine(line.c_str());
  AirportLine fields;
  SplitAirportLine(line.c_str(), fields);
  ASSERT_EQ(expected.assigned, fields.assigned);
  if (fields.assigned >= 1) {
    EXPECT_EQ(expected.ident, fields.ident);
    EXPECT_EQ(expected.identCut, fields.identCut);
  }
  if (fields.assigned >= 2) {
    EXPECT_EQ(expected.name, fields.name);
    EXPECT_EQ(expected.nameCut, fields.nameCut);
  }
  if (fields.assigned >= 3) {
    EXPECT_EQ(expected.elevation, fields.elevation);
  }
  std::vector<std::string> keptWords;
  for (const std::string& word : expected.words) keptWords.push_back(word.substr(0, kAirportWordLength));
  EXPECT_EQ(keptWords, WordsOf(fields));
}

TEST(AirportLine, SplitsAFullLineIntoItsFields) {
  AirportLine fields;
  SplitAirportLine("LSZH Zurich 1416 CH 47.458 16_12139 28_8202 34_11155\n", fields);
  EXPECT_EQ(8, fields.assigned);
  EXPECT_STREQ("LSZH", fields.ident);
  EXPECT_STREQ("Zurich", fields.name);
  EXPECT_EQ(1416, fields.elevation);
  ASSERT_EQ(3, RunwayFieldCount(fields));
  EXPECT_STREQ("16_12139", RunwayField(fields, 0));
  EXPECT_STREQ("34_11155", RunwayField(fields, 2));
}

TEST(AirportLine, CountsRunwayFieldsAfterTheFifthField) {
  struct CountCase {
    const char* line;
    int runwayFields;
  } cases[] = {
      {"LSZH Zurich 1416 CH 47.458\n", 0},
      {"LSZH Zurich 1416\n", 0},
      {"LSZH Zurich\n", 0},
      {"\n", 0},
      {"LSZH Zurich 1416 CH 47.458 ---\n", 1},
      {"X N 1 a b 1 2 3 4 5 6 7 8 9 10 11 12 13\n", 10},
  };
  for (const CountCase& c : cases) {
    SCOPED_TRACE(c.line);
    AirportLine fields;
    SplitAirportLine(c.line, fields);
    EXPECT_EQ(c.runwayFields, RunwayFieldCount(fields));
  }
}

TEST(AirportLine, GivesExactlyWhatSscanfGivesWithItsWidths) {
  const std::string longName(60, 'n');
  const std::string longWord(70, 'w');
  const std::string lines[] = {
      "LSZH Zurich 1416 CH 47.458 16_12139 28_8202 34_11155\n",
      "LSZHXY Zurich 1416 CH 47.458 16\n",       // the ident's sixth character is the name
      "LSZH " + longName + " 1416 CH 47.458 16\n", // the name's rest is the elevation
      "LSZH " + longName.substr(0, 50) + "1416 CH x 16\n",
      "LSZH Zurich high CH 47.458 16\n",        // the elevation is no number
      "LSZH Zurich 12abc CH 47.458 16\n",       // a number ends where its digits end
      "LSZH Zurich -12 CH 47.458 16\n",
      "LSZH Zurich +12 CH 47.458 16\n",
      "LSZH Zurich - CH 47.458 16\n",
      "LSZH Zurich 99999999999 CH\n",
      "LSZH Zurich -99999999999999999999999 CH\n",
      "LSZH Zurich 1416 CH 47.458 " + longWord + " 09\n",
      "\t LSZH\tZurich\v1416\fCH\r47.458 16\n",
      "X N 1 a b 1 2 3 4 5 6 7 8 9 10 11 12 13 14\n",
      "   \n",
      "",
      "ABCDE",
      "ABCDEF",
  };
  for (const std::string& line : lines) ExpectSameAsSscanf(line);
}

TEST(AirportLine, GivesExactlyWhatSscanfGivesOnRandomLines) {
  std::mt19937 random(1416);
  const char alphabet[] = "AZaz09+-_ \t\r\n\v\f.";
  for (int round = 0; round < 3000; ++round) {
    std::string line;
    std::size_t length = random() % 160;
    while (line.size() < length) {
      char c = alphabet[random() % (sizeof alphabet - 1)];
      // Long runs of one character make words longer than their fields.
      line.append(1 + (random() % 8 == 0 ? random() % 60 : 0), c);
    }
    ExpectSameAsSscanf(line);
    if (HasFatalFailure()) return;
  }
}

TEST(AirportLine, ClampsAnElevationBeyondTheIntegerRange) {
  AirportLine fields;
  SplitAirportLine("A N 99999999999\n", fields);
  EXPECT_EQ(INT_MAX, fields.elevation);
  SplitAirportLine("A N -2147483648\n", fields);
  EXPECT_EQ(INT_MIN, fields.elevation);
  SplitAirportLine("A N -99999999999999999999999999\n", fields);
  EXPECT_EQ(INT_MIN, fields.elevation);
}

TEST(AirportLine, KeepsTheFirstFiftyCharactersOfALongRunwayWord) {
  AirportLine fields;
  std::string line = "A N 1 a b " + std::string(70, 'w') + " 09\n";
  SplitAirportLine(line.c_str(), fields);
  ASSERT_EQ(2, RunwayFieldCount(fields));
  EXPECT_EQ(std::string(50, 'w'), RunwayField(fields, 0));
  EXPECT_STREQ("09", RunwayField(fields, 1));
}

TEST(AirportLine, IsUsableOnlyForItsOwnIdentAndWhenNothingWasCut) {
  struct UsableCase {
    std::string line;
    const char* ident;
    bool usable;
  } cases[] = {
      {"LSZH Zurich 1416\n", "LSZH", true},
      {"LSZH Zurich\n", "LSZH", true},
      {"LSZH\n", "LSZH", true},
      {"lszh Zurich 1416\n", "LSZH", false},
      {"LSZH Zurich 1416\n", "LSZ", false},
      {"LSZHA Zurich 1416\n", "LSZHA", true},
      {"LSZHAB Zurich 1416\n", "LSZHA", false},
      {"LSZH " + std::string(51, 'n') + " 1416\n", "LSZH", false},
      {"LSZH " + std::string(50, 'n') + " 1416\n", "LSZH", true},
      {"\n", "", false},
  };
  for (const UsableCase& c : cases) {
    SCOPED_TRACE(c.line + " for " + c.ident);
    AirportLine fields;
    SplitAirportLine(c.line.c_str(), fields);
    EXPECT_EQ(c.usable, IsUsableAirportLine(fields, c.ident));
  }
}

}  // namespace
