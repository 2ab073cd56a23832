// Where the printed route goes: line height, lines and rows per page, page count
// and tab spacing, all from the printer's metrics.
#pragma once

#include "host/PrinterPort.h"

constexpr int kHeadingLine = 2;
constexpr int kFirstRowLine = 4;
// Tabs stop every eight average character widths.
constexpr int kTabWidthInCharacters = 8;
// The widest printed line, the heading, spans 105 characters once its tabs are
// expanded; the printer's default font must fit that many on a line.
constexpr int kTableWidthInCharacters = 105;

// True when fewer than kTableWidthInCharacters average characters of the font
// fit the printable width, so the right-hand columns would fall off the page.
bool TableOverrunsPage(const PrinterMetrics& metrics);

struct PageLayout {
  int lineHeight;       // character height + external leading
  int linesPerPage;     // whole lines that fit the printable height
  int rowsPerPage;      // rows from line 4 down to the last whole line; 0 when none fits
  int pageCount;        // pages for the rows, 0 when no row fits
  int tabSpacing;       // device units between tab stops
};

// Lays `rowCount` rows out on pages of the printer's printable area. Rows start
// on line 4, so a page holds lines-per-page minus 4 of them: on a short page the
// rows go on to further pages and never fall below the printable area. (With 36
// or more lines, as on every ordinary page, all 32 rows fit on one page.)
PageLayout LayOutPages(const PrinterMetrics& metrics, int rowCount);

// The y of line `line`: that many line heights below the top of the printable area.
inline int LineTop(const PageLayout& layout, int line) { return line * layout.lineHeight; }
