// A printer for tests: reports the metrics it is given, answers the dialog and
// the document calls from its settings, and records every call in order, each
// line with the line number its y stands for.
#pragma once

#include <string>
#include <vector>

#include "host/PrinterPort.h"

struct PrintedLine {
  int page;          // counts every started page of the document from 0
  int y;
  std::string text;
  int tabSpacing;
};

class FakePrinter : public PrinterPort {
 public:
  bool ChoosePrinter(PrintJob& job) override;
  PrinterMetrics Metrics() override { return metrics; }
  PrinterMetrics FitFontToWidth(int charactersPerLine) override;
  void BeginSpooling(const char* documentLabel) override;
  void EndSpooling(bool cancelledByUser) override;
  bool StartDocument() override;
  bool StartPage() override;
  bool EndPage() override;
  void EndDocument() override { calls.push_back("EndDocument"); }
  void WriteTabbedLine(int y, const char* text, int length, int tabSpacing) override;
  bool PrintAborted() override { return abortAfterPages > 0 && endedPages >= abortAfterPages; }
  void ReleasePrinter() override { calls.push_back("ReleasePrinter"); }

  // A page of `lines` lines of 12 units (10 high, 2 leading), 1050 units wide,
  // characters 10 wide: exactly the table's width.
  static PrinterMetrics PageOfLines(int lines);

  // Scripted behaviour.
  PrinterMetrics metrics = PageOfLines(60);
  bool dialogChosen = true;
  PrintJob chosenJob{1, true};
  bool documentStarts = true;
  int failingStartPage = -1;   // the page (from 0) whose start fails, -1 none
  int failingEndPage = -1;
  int abortAfterPages = 0;     // the user cancels once this many pages ended

  // What happened.
  std::vector<std::string> calls;
  std::vector<PrintedLine> lines;
  int startedPages = 0;
  int endedPages = 0;
};
