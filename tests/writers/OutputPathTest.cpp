// Output naming: the four rules, the extensions, the separator, the characters a
// file name may not hold, and paths that do not fit.
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "host/Paths.h"
#include "support/TestRoutes.h"
#include "writers/FormatRegistry.h"
#include "writers/OutputPath.h"

namespace {

const std::string kSeparator(1, kPathSeparator);

class OutputPathTest : public ::testing::Test {
 protected:
  OutputPathTest() {
    MakeTwoAirportRoute(route);
    std::snprintf(route.rows[1].ident, sizeof route.rows[1].ident, "LSGA");
    std::snprintf(name, sizeof name, "previous.sbp");
  }

  // Runs the naming, with the extension naming gives the type number, into
  // `path` and `name` and answers its result.
  bool Make(int rule, const std::string& folder, int exportType) {
    std::snprintf(path, sizeof path, "untouched");
    NamingInput naming{rule, sourceFileName.c_str(), namingRoute};
    return MakeOutputPath(naming, folder.c_str(), ExtensionForExportCode(exportType), path, name);
  }

  RouteTable route{};
  const RouteTable* namingRoute = &route;
  std::string sourceFileName = "route.txt";
  char path[kPathSize];
  char name[kPathSize];
};

TEST_F(OutputPathTest, NamesByEachRuleWithTheExtensionOfTheType) {
  struct NamingCase {
    int rule;
    int exportType;
    const char* expected;
  } cases[] = {
      {1, 1, "LSZH-LSGA.pln"}, {1, 3, "LSZH-LSGA.apl"},       {2, 4, "Zurich to Geneva.sbp"},
      {0, 2, "route.prg"},     {3, 2, "previous.prg"},        {3, 1, "previous.pln"},
      {7, 3, "previous.apl"},  {-1, 4, "previous.sbp"},       {1, 5, "LSZH-LSGA.pln"},
      {1, 6, "LSZH-LSGA.pln"}, {1, 7, "LSZH-LSGA.pln"},       {1, 0, "LSZH-LSGA.pln"},
  };
  for (const NamingCase& c : cases) {
    SCOPED_TRACE("rule " + std::to_string(c.rule) + ", type " + std::to_string(c.exportType));
    std::snprintf(name, sizeof name, "previous.sbp");
    EXPECT_TRUE(Make(c.rule, "Flights", c.exportType));
    EXPECT_STREQ(c.expected, name);
    EXPECT_EQ("Flights" + kSeparator + c.expected, path);
  }
}

TEST_F(OutputPathTest, RuleThreeChangesOnlyTheExtensionTypeByType) {
  std::snprintf(name, sizeof name, "my.route.sbp");
  for (int type : {1, 2, 4, 3, 5, 6}) Make(3, "Flights", type);
  EXPECT_STREQ("my.route.pln", name);
}

TEST_F(OutputPathTest, ASourceNameWithoutDotStaysWithoutExtension) {
  sourceFileName = "route";
  EXPECT_TRUE(Make(0, "Flights", 2));
  EXPECT_STREQ("route", name);
}

TEST_F(OutputPathTest, OnlyTheLastDotOfAnAirportNameCounts) {
  std::snprintf(route.rows[0].name, sizeof route.rows[0].name, "St.Gallen");
  EXPECT_TRUE(Make(2, "Flights", 2));
  EXPECT_STREQ("St.Gallen to Geneva.prg", name);
}

TEST_F(OutputPathTest, PutsExactlyOneSeparatorBetweenFolderAndName) {
  EXPECT_TRUE(Make(1, "C:" + kSeparator + "Flights", 1));
  std::string withoutSeparator = path;
  EXPECT_TRUE(Make(1, "C:" + kSeparator + "Flights" + kSeparator, 1));
  EXPECT_EQ(withoutSeparator, path);
  EXPECT_EQ("C:" + kSeparator + "Flights" + kSeparator + "LSZH-LSGA.pln", path);
}

TEST_F(OutputPathTest, AnEmptyFolderGivesTheSeparatorAndTheName) {
  EXPECT_TRUE(Make(1, "", 1));
  EXPECT_EQ(kSeparator + "LSZH-LSGA.pln", path);
}

TEST_F(OutputPathTest, TakesOnlyThisPlatformsSeparatorsAsTheFoldersEnd) {
  for (char last : {'\\', '/'}) {
    SCOPED_TRACE(std::string("folder ending in ") + last);
    Make(1, std::string("out") + last, 1);
    std::string expected = std::string("out") + last + (IsPathSeparator(last) ? "" : kSeparator) + "LSZH-LSGA.pln";
    EXPECT_EQ(expected, path);
  }
}

TEST_F(OutputPathTest, KeepsTheNameForRulesOneAndTwoWhenNoRouteWasRead) {
  const RouteTable empty{};
  for (const RouteTable* noRoute : {&empty, static_cast<const RouteTable*>(nullptr)}) {
    namingRoute = noRoute;
    for (int rule : {1, 2}) {
      SCOPED_TRACE("rule " + std::to_string(rule) + (noRoute == nullptr ? ", no route" : ", no rows"));
      std::snprintf(name, sizeof name, "previous.sbp");
      EXPECT_TRUE(Make(rule, "Flights", 3));
      EXPECT_STREQ("previous.apl", name);
    }
  }
}

TEST_F(OutputPathTest, ReplacesCharactersAFileNameMayNotHold) {
  std::snprintf(route.rows[0].name, sizeof route.rows[0].name, "Not found in Airport/Runway Data file!");
  EXPECT_TRUE(Make(2, "Flights", 1));
  EXPECT_STREQ("Not found in Airport_Runway Data file! to Geneva.pln", name);
  EXPECT_EQ("Flights" + kSeparator + "Not found in Airport_Runway Data file! to Geneva.pln", path);

  std::snprintf(route.rows[0].name, sizeof route.rows[0].name, "a\\b/c:d*e?f\"g<h>i|j\tk");
  EXPECT_TRUE(Make(2, "Flights", 1));
  EXPECT_STREQ("a_b_c_d_e_f_g_h_i_j_k to Geneva.pln", name);

  std::snprintf(route.rows[0].ident, sizeof route.rows[0].ident, "A/B:C");
  EXPECT_TRUE(Make(1, "Flights", 1));
  EXPECT_STREQ("A_B_C-LSGA.pln", name);
}

TEST_F(OutputPathTest, KeepsThePathWhenItFitsExactly) {
  std::string folder(259 - 1 - 13, 'f');  // folder, separator and "LSZH-LSGA.pln"
  EXPECT_TRUE(Make(1, folder, 1));
  EXPECT_EQ(259u, std::string(path).size());
}

TEST_F(OutputPathTest, RefusesAPathThatDoesNotFitRatherThanShorteningIt) {
  std::string folder(259 - 13, 'f');
  EXPECT_FALSE(Make(1, folder, 1));
  EXPECT_STREQ("", path);
  EXPECT_STREQ("LSZH-LSGA.pln", name) << "the name is still the rule's";
}

TEST_F(OutputPathTest, RefusesANameThatCannotTakeItsExtension) {
  std::string longName(257, 'n');
  sourceFileName = longName + ".t";
  EXPECT_FALSE(Make(0, "", 2));
  EXPECT_STREQ("", path);
  EXPECT_EQ(longName + ".t", name);
}

}  // namespace
