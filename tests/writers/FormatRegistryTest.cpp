// The registry of formats held to its invariants, and the README's format table
// held to the registry.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "writers/FormatRegistry.h"

namespace {

// How often `text` holds `part`.
int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

// Stored files name a format by its type number: the ten formats of old versions
// keep theirs wherever their filters stand.
TEST(FormatRegistry, TypeNumbersAreUniqueAndTheStoredOnesKeepTheirFormat) {
  std::set<int32_t> codes;
  for (int i = 0; i < kExportTypeCount; ++i) {
    const ExportType& type = kExportTypes[i];
    SCOPED_TRACE(type.key);
    EXPECT_TRUE(codes.insert(type.code).second) << "type number " << type.code << " twice";
    EXPECT_NE(kAllFilesType, type.code);
    EXPECT_EQ(i, IndexOf(type));
  }
  const char* stored[] = {"msfs", "acs-gps", "rc99", "sqb", "sfp", "nav", "msfs2020", "xplane", "garmin", "gpx"};
  for (int code = 1; code <= 10; ++code) {
    const ExportType* type = FindExportType(code);
    ASSERT_NE(nullptr, type) << code;
    EXPECT_STREQ(stored[code - 1], type->key) << code;
    if (code <= 6) EXPECT_EQ(code - 1, IndexOf(*type)) << "the six of old keep their filters";
  }
}

TEST(FormatRegistry, KeysAndNamesAreUniqueAndExtensionsStartWithADot) {
  std::set<std::string> keys;
  std::set<std::string> names;
  for (const ExportType& type : kExportTypes) {
    SCOPED_TRACE(type.key);
    EXPECT_TRUE(keys.insert(type.key).second) << "key twice";
    EXPECT_TRUE(names.insert(type.name).second) << "name twice";
    EXPECT_EQ('.', type.extension[0]);
    EXPECT_EQ(std::string("*") + type.extension, type.filter.pattern);
  }
}

TEST(FormatRegistry, EachOrderIsAPermutationOfOneToTheCount) {
  const struct {
    const char* name;
    int ExportOrder::*column;
  } columns[] = {{"saveAll", &ExportOrder::saveAll},
                 {"switchStore", &ExportOrder::switchStore},
                 {"folderStore", &ExportOrder::folderStore}};
  std::vector<int> oneToCount(kExportTypeCount);
  for (int i = 0; i < kExportTypeCount; ++i) oneToCount[i] = i + 1;
  for (const auto& c : columns) {
    SCOPED_TRACE(c.name);
    std::vector<int> positions;
    for (const ExportType& type : kExportTypes) positions.push_back(type.order.*c.column);
    std::sort(positions.begin(), positions.end());
    EXPECT_EQ(oneToCount, positions);
    ExportTypeList inOrder = ExportTypesInOrder(c.column);
    for (int i = 0; i < kExportTypeCount; ++i) EXPECT_EQ(i + 1, inOrder[i]->order.*c.column);
  }
}

TEST(FormatRegistry, EachSettingsPageOrdersItsRowsFromOne) {
  for (SettingsPage page : {SettingsPage::Exports, SettingsPage::Simulators}) {
    std::vector<int> positions;
    for (const ExportType& type : kExportTypes) {
      if (type.page == page) positions.push_back(type.order.onPage);
    }
    std::sort(positions.begin(), positions.end());
    for (std::size_t i = 0; i < positions.size(); ++i) EXPECT_EQ(static_cast<int>(i) + 1, positions[i]);
  }
}

TEST(FormatRegistry, FindsEveryRowByNumberAndKeyAndNothingElse) {
  std::set<int32_t> codes;
  for (const ExportType& type : kExportTypes) {
    SCOPED_TRACE(type.key);
    codes.insert(type.code);
    EXPECT_EQ(&type, FindExportType(type.code));
    EXPECT_EQ(&type, FindExportTypeByKey(type.key));
    EXPECT_STREQ(type.extension, ExtensionForExportCode(type.code));
  }
  for (int32_t code = -1; code <= kAllFilesType + kExportTypeCount; ++code) {
    if (codes.count(code) != 0) continue;
    SCOPED_TRACE(code);
    EXPECT_EQ(nullptr, FindExportType(code));
    EXPECT_STREQ(".pln", ExtensionForExportCode(code));
  }
  for (const char* key : {"", "MSFS", "msfs ", "msfs20", "RC99", "all"}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(nullptr, FindExportTypeByKey(key));
  }
}

TEST(FormatRegistry, TextsNameTheFileOnceWhereANameIsFormatted) {
  for (const ExportType& type : kExportTypes) {
    SCOPED_TRACE(type.key);
    const struct {
      const char* which;
      std::string text;
      int names;
    } texts[] = {{"emptyName", type.texts.emptyName, 0},         {"exists", type.texts.exists, 1},
                 {"createFailure", type.texts.createFailure, 1}, {"writeError", type.texts.writeError, 1},
                 {"createdMessage", type.createdMessage, 1},     {"failedMessage", type.failedMessage, 1}};
    for (const auto& t : texts) {
      SCOPED_TRACE(t.which);
      EXPECT_EQ(t.names, Count(t.text, "%s"));
      EXPECT_EQ(t.names, Count(t.text, "%")) << "no conversion but the name's";
    }
    EXPECT_EQ('\n', std::string(type.texts.exists).back());
  }
}

// The table the README shows, from its heading line to the first line that is
// not a table row; empty when there is none.
std::string ReadmeFormatTable() {
  std::ifstream readme(std::string(PLANTRANSIT_PROJECT_DIR) + "/README.md");
  std::string table;
  bool inTable = false;
  for (std::string line; std::getline(readme, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "| format (converter key) | file | read by |") inTable = true;
    if (!inTable) continue;
    if (line.empty() || line[0] != '|') break;
    table += line + "\n";
  }
  return table;
}

TEST(FormatRegistry, TheReadmeTableListsEveryFormatInRegistryOrder) {
  std::ostringstream expected;
  expected << "| format (converter key) | file | read by |\n|---|---|---|\n";
  for (const ExportType& type : kExportTypes) {
    expected << "| " << type.title << " (`" << type.key << "`) | " << type.fileKind << " | " << type.readBy << " |\n";
  }
  EXPECT_EQ(expected.str(), ReadmeFormatTable()) << "README.md's format table should read:\n" << expected.str();
}

// The help page tells which file each simulator reads: every simulator target's
// Save-as file type has its row there ("(*.ext)" left out, as the dialog shows it
// after the name).
TEST(FormatRegistry, TheHelpPageNamesEverySimulatorTarget) {
  std::ifstream page(std::string(PLANTRANSIT_PROJECT_DIR) + "/docs/help.html");
  std::string html((std::istreambuf_iterator<char>(page)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(html.empty());
  for (const ExportType& type : kExportTypes) {
    if (type.page != SettingsPage::Simulators) continue;
    std::string fileType = type.filter.description;
    fileType = fileType.substr(0, fileType.rfind(" ("));
    EXPECT_NE(std::string::npos, html.find("<tr><td>" + fileType + "</td><td>" + type.extension))
        << "docs/help.html has no row for " << fileType;
  }
}

}  // namespace
