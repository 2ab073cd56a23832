// Page arithmetic of the printed route, guarded against a printer that reports
// a zero or negative font size.
#include "present/PageLayout.h"

PageLayout LayOutPages(const PrinterMetrics& metrics, int rowCount) {
  PageLayout layout{};
  layout.lineHeight = metrics.characterHeight + metrics.externalLeading;
  layout.tabSpacing = kTabWidthInCharacters * metrics.averageCharWidth;
  if (layout.lineHeight <= 0) return layout;
  layout.linesPerPage = metrics.printableHeight / layout.lineHeight;
  layout.rowsPerPage = layout.linesPerPage > kFirstRowLine ? layout.linesPerPage - kFirstRowLine : 0;
  if (layout.rowsPerPage > 0 && rowCount > 0)
    layout.pageCount = (rowCount + layout.rowsPerPage - 1) / layout.rowsPerPage;
  return layout;
}

bool TableOverrunsPage(const PrinterMetrics& metrics) {
  return metrics.averageCharWidth > 0 && metrics.printableWidth / metrics.averageCharWidth < kTableWidthInCharacters;
}
