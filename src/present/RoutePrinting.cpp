// The print job's order of calls: what goes on which line of which page of
// which copy, and what happens when the printer or the user stops it.
#include "present/RoutePrinting.h"

#include <algorithm>
#include <string>

#include "present/PageLayout.h"
#include "present/PrintedLines.h"

namespace {

void WriteLine(PrinterPort& printer, const PageLayout& layout, int line, const std::string& text) {
  printer.WriteTabbedLine(LineTop(layout, line), text.c_str(), static_cast<int>(text.size()), layout.tabSpacing);
}

// One page: the heading and the page's share of the rows. False when the
// printing system refused the page.
bool PrintPage(PrinterPort& printer, const PageLayout& layout, int page, const WaypointRow* rows, int rowCount) {
  if (!printer.StartPage()) return false;
  WriteLine(printer, layout, kHeadingLine, FormatHeadingLine());
  for (int j = 0; j < layout.rowsPerPage; ++j) {
    const int row = page * layout.rowsPerPage + j;
    if (row >= rowCount) break;
    WriteLine(printer, layout, kFirstRowLine + j, FormatRouteRow(rows[row]));
  }
  return printer.EndPage();
}

}  // namespace

bool PrintRouteDocument(PrinterPort& printer, const PrintJob& job, const WaypointRow* rows, int rowCount,
                        bool& cancelledByUser) {
  cancelledByUser = false;
  PrinterMetrics metrics = printer.Metrics();
  // A large default font would cut the coordinates and altitudes off at the page edge.
  if (TableOverrunsPage(metrics)) metrics = printer.FitFontToWidth(kTableWidthInCharacters);
  const PageLayout layout = LayOutPages(metrics, rowCount);
  if (layout.pageCount == 0) return false;
  if (!printer.StartDocument()) return false;
  const int copies = std::max(job.copies, 1);
  // Collated: copies outside, pages inside; otherwise each page repeated in a row.
  const int outerCount = job.collate ? copies : layout.pageCount;
  const int innerCount = job.collate ? layout.pageCount : copies;
  for (int outer = 0; outer < outerCount; ++outer) {
    for (int inner = 0; inner < innerCount; ++inner) {
      const int page = job.collate ? inner : outer;
      if (!PrintPage(printer, layout, page, rows, rowCount)) return false;
      if (printer.PrintAborted()) {
        cancelledByUser = true;
        printer.EndDocument();
        return false;
      }
    }
  }
  printer.EndDocument();
  return true;
}

bool PrintRouteTable(const RouteTable& route, PrinterPort& printer, const char* documentLabel) {
  PrintJob job{1, true};
  if (!printer.ChoosePrinter(job)) return true;
  // A count beyond the table's rows would read past it.
  const int rowCount = static_cast<int>(std::min<uint32_t>(route.waypointCount, kMaxWaypoints));
  bool printed = true;
  if (rowCount > 0) {
    printer.BeginSpooling(documentLabel);
    bool cancelledByUser = false;
    printed = PrintRouteDocument(printer, job, route.rows, rowCount, cancelledByUser);
    printer.EndSpooling(cancelledByUser);
  }
  printer.ReleasePrinter();
  return printed;
}
