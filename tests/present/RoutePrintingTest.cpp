// The print job over a fake printer: lines and pages, copies, collation, short
// pages, failures of the printing system and the user's cancel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "present/FakePrinter.h"
#include "present/PageLayout.h"
#include "present/PrintedLines.h"
#include "present/RoutePrinting.h"
#include "support/TestRoutes.h"

namespace {

constexpr int kLineHeight = 12;

// "W00", "W01", ...: the ident of numbered row `i` (below 100).
std::string NumberedIdent(int i) {
  return std::string{'W', static_cast<char>('0' + i / 10), static_cast<char>('0' + i % 10)};
}

// `count` rows named "W00", "W01", ...: more than a route holds, for pagination.
std::vector<WaypointRow> NumberedRows(int count) {
  std::vector<WaypointRow> rows(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    WaypointRow& row = rows[static_cast<size_t>(i)];
    row = WaypointRow{};
    row.ident[0] = 'W';
    row.ident[1] = static_cast<char>('0' + i / 10);
    row.ident[2] = static_cast<char>('0' + i % 10);
    std::snprintf(row.name, sizeof row.name, "POINT %d", i);
    row.type = 'I';
    row.latHemisphere = 'N';
    row.lonHemisphere = 'E';
  }
  return rows;
}

RouteTable RouteOf(int count) {
  RouteTable route{};
  const std::vector<WaypointRow> rows = NumberedRows(count);
  for (int i = 0; i < count; ++i) route.rows[i] = rows[static_cast<size_t>(i)];
  route.waypointCount = static_cast<uint32_t>(count);
  return route;
}

// The idents of the rows in print order, each with the page it went on.
std::vector<std::string> RowsByPage(const FakePrinter& printer) {
  std::vector<std::string> seen;
  for (const PrintedLine& line : printer.lines)
    if (line.text != FormatHeadingLine())
      seen.push_back(std::to_string(line.page) + ":" + line.text.substr(0, line.text.find(' ')));
  return seen;
}

// The first row ident of every page, in page order.
std::vector<std::string> FirstRowOfEachPage(const FakePrinter& printer) {
  std::vector<std::string> firsts;
  int lastPage = -1;
  for (const PrintedLine& line : printer.lines) {
    if (line.page == lastPage || line.text == FormatHeadingLine()) continue;
    firsts.push_back(line.text.substr(0, line.text.find(' ')));
    lastPage = line.page;
  }
  return firsts;
}

TEST(RoutePrinting, FiveRowsOnASixtyLinePageGoOnLinesFourToEightUnderTheHeading) {
  FakePrinter printer;
  const RouteTable route = RouteOf(5);
  EXPECT_TRUE(PrintRouteTable(route, printer, "PlanTransit"));

  const std::vector<std::string> expectedCalls = {
      "ChoosePrinter", "BeginSpooling PlanTransit", "StartDocument", "StartPage", "EndPage",
      "EndDocument",   "EndSpooling",               "ReleasePrinter"};
  EXPECT_EQ(printer.calls, expectedCalls);
  ASSERT_EQ(printer.lines.size(), 6u);
  EXPECT_EQ(printer.lines[0].y, 2 * kLineHeight);
  EXPECT_EQ(printer.lines[0].text, FormatHeadingLine());
  for (int row = 0; row < 5; ++row) {
    SCOPED_TRACE("row " + std::to_string(row));
    const PrintedLine& line = printer.lines[static_cast<size_t>(row) + 1];
    EXPECT_EQ(line.y, (row + 4) * kLineHeight);
    EXPECT_EQ(line.text, FormatRouteRow(route.rows[row]));
    EXPECT_EQ(line.tabSpacing, 80);
  }
}

TEST(RoutePrinting, FortyRowsOnATwentyLinePageFillThreePagesInsideThePrintableArea) {
  FakePrinter printer;
  printer.metrics = FakePrinter::PageOfLines(20);
  const std::vector<WaypointRow> rows = NumberedRows(40);
  bool cancelled = true;
  EXPECT_TRUE(PrintRouteDocument(printer, {1, true}, rows.data(), 40, cancelled));
  EXPECT_FALSE(cancelled);

  EXPECT_EQ(printer.startedPages, 3);
  std::vector<std::string> expected;
  for (int row = 0; row < 40; ++row) expected.push_back(std::to_string(row / 16) + ":" + NumberedIdent(row));
  EXPECT_EQ(RowsByPage(printer), expected);
  for (const PrintedLine& line : printer.lines) {
    SCOPED_TRACE(line.text);
    EXPECT_LE(line.y + kLineHeight, printer.metrics.printableHeight);
  }
}

TEST(RoutePrinting, CopiesFollowTheCollationChoice) {
  struct Case {
    const char* name;
    bool collate;
    std::vector<std::string> pageOrder;
  };
  const Case cases[] = {
      {"collated: the whole document three times", true, {"W00", "W06", "W00", "W06", "W00", "W06"}},
      {"not collated: each page three times", false, {"W00", "W00", "W00", "W06", "W06", "W06"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakePrinter printer;
    printer.metrics = FakePrinter::PageOfLines(10);  // six rows a page
    printer.chosenJob = {3, c.collate};
    const RouteTable route = RouteOf(8);
    EXPECT_TRUE(PrintRouteTable(route, printer, "PlanTransit"));
    EXPECT_EQ(FirstRowOfEachPage(printer), c.pageOrder);
    EXPECT_EQ(printer.endedPages, 6);
  }
}

TEST(RoutePrinting, CancelAfterTheFirstPageStopsTheJobAndReportsFailure) {
  FakePrinter printer;
  printer.metrics = FakePrinter::PageOfLines(10);
  printer.abortAfterPages = 1;
  const RouteTable route = RouteOf(20);
  EXPECT_FALSE(PrintRouteTable(route, printer, "PlanTransit"));
  const std::vector<std::string> expectedCalls = {
      "ChoosePrinter", "BeginSpooling PlanTransit", "StartDocument",         "StartPage",
      "EndPage",       "EndDocument",               "EndSpooling cancelled", "ReleasePrinter"};
  EXPECT_EQ(printer.calls, expectedCalls);
}

TEST(RoutePrinting, NothingHappensWhenThePrinterDialogIsCancelledOrTheRouteIsEmpty) {
  struct Case {
    const char* name;
    bool dialogChosen;
    int rows;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"dialog cancelled: no printer to let go of", false, 5, {"ChoosePrinter"}},
      {"empty route", true, 0, {"ChoosePrinter", "ReleasePrinter"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakePrinter printer;
    printer.dialogChosen = c.dialogChosen;
    EXPECT_TRUE(PrintRouteTable(RouteOf(c.rows), printer, "PlanTransit"));
    EXPECT_EQ(printer.calls, c.calls);
    EXPECT_TRUE(printer.lines.empty());
  }
}

TEST(RoutePrinting, RefusedDocumentOrPageStopsTheJobWithoutEndingTheDocument) {
  struct Case {
    const char* name;
    bool documentStarts;
    int failingStartPage;
    int failingEndPage;
    int startedPages;
  };
  const Case cases[] = {
      {"document start refused", false, -1, -1, 0},
      {"second page start refused", true, 1, -1, 2},
      {"first page end refused", true, -1, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakePrinter printer;
    printer.metrics = FakePrinter::PageOfLines(10);
    printer.documentStarts = c.documentStarts;
    printer.failingStartPage = c.failingStartPage;
    printer.failingEndPage = c.failingEndPage;
    EXPECT_FALSE(PrintRouteTable(RouteOf(20), printer, "PlanTransit"));
    EXPECT_EQ(printer.startedPages, c.startedPages);
    EXPECT_EQ(std::count(printer.calls.begin(), printer.calls.end(), "EndDocument"), 0);
    EXPECT_EQ(printer.calls.back(), "ReleasePrinter");
    EXPECT_EQ(printer.calls[printer.calls.size() - 2], "EndSpooling");
  }
}

TEST(RoutePrinting, PageTooShortForAnyRowIsAFailureWithNothingPrinted) {
  FakePrinter printer;
  printer.metrics = FakePrinter::PageOfLines(4);
  EXPECT_FALSE(PrintRouteTable(RouteOf(3), printer, "PlanTransit"));
  EXPECT_TRUE(printer.lines.empty());
  EXPECT_EQ(std::count(printer.calls.begin(), printer.calls.end(), "StartDocument"), 0);
}

TEST(RoutePrinting, WaypointCountBeyondTheTableIsBoundedByItsRows) {
  FakePrinter printer;
  RouteTable route = RouteOf(kMaxWaypoints);
  route.waypointCount = 1000;
  EXPECT_TRUE(PrintRouteTable(route, printer, "PlanTransit"));
  EXPECT_EQ(printer.lines.size(), static_cast<size_t>(kMaxWaypoints) + 1);
}

TEST(RoutePrinting, FontTooWideForTheTableIsReplacedBeforeTheDocumentStarts) {
  FakePrinter printer;
  printer.metrics = {40, 0, 20, 1000, 4000};  // 50 characters a line
  EXPECT_TRUE(PrintRouteTable(RouteOf(2), printer, "PlanTransit"));
  const std::vector<std::string> expectedStart = {"ChoosePrinter", "BeginSpooling PlanTransit",
                                                  "FitFontToWidth 105", "StartDocument"};
  EXPECT_EQ(std::vector<std::string>(printer.calls.begin(), printer.calls.begin() + 4), expectedStart);
  ASSERT_FALSE(printer.lines.empty());
  EXPECT_EQ(printer.lines[0].y, 2 * 20);
  EXPECT_EQ(printer.lines[0].tabSpacing, 8 * 9);
}

TEST(PageLayout, TableOverrunsOnlyAPageNarrowerThanItsWidth) {
  EXPECT_FALSE(TableOverrunsPage({10, 2, 10, 1050, 600}));
  EXPECT_TRUE(TableOverrunsPage({10, 2, 10, 1049, 600}));
  EXPECT_FALSE(TableOverrunsPage({10, 2, 0, 100, 600}));
}

TEST(PageLayout, LineHeightLinesRowsPagesAndTabsFollowTheMetrics) {
  const PageLayout layout = LayOutPages({40, 5, 21, 4800, 6400}, 32);
  EXPECT_EQ(layout.lineHeight, 45);
  EXPECT_EQ(layout.linesPerPage, 142);
  EXPECT_EQ(layout.rowsPerPage, 138);
  EXPECT_EQ(layout.pageCount, 1);
  EXPECT_EQ(layout.tabSpacing, 168);
}

TEST(PageLayout, ZeroLineHeightFitsNoRow) {
  const PageLayout layout = LayOutPages({0, 0, 0, 100, 100}, 5);
  EXPECT_EQ(layout.pageCount, 0);
  EXPECT_EQ(layout.rowsPerPage, 0);
}

}  // namespace
