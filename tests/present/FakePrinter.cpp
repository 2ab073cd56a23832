// The fake printer's recording.
#include "present/FakePrinter.h"

bool FakePrinter::ChoosePrinter(PrintJob& job) {
  calls.push_back("ChoosePrinter");
  if (dialogChosen) job = chosenJob;
  return dialogChosen;
}

void FakePrinter::BeginSpooling(const char* documentLabel) {
  calls.push_back(std::string("BeginSpooling ") + documentLabel);
}

void FakePrinter::EndSpooling(bool cancelledByUser) {
  calls.push_back(cancelledByUser ? "EndSpooling cancelled" : "EndSpooling");
}

bool FakePrinter::StartDocument() {
  calls.push_back("StartDocument");
  return documentStarts;
}

bool FakePrinter::StartPage() {
  calls.push_back("StartPage");
  return startedPages++ != failingStartPage;
}

bool FakePrinter::EndPage() {
  calls.push_back("EndPage");
  return endedPages++ != failingEndPage;
}

void FakePrinter::WriteTabbedLine(int y, const char* text, int length, int tabSpacing) {
  lines.push_back({startedPages - 1, y, std::string(text, static_cast<size_t>(length)), tabSpacing});
}

PrinterMetrics FakePrinter::PageOfLines(int lines) { return {10, 2, 10, 1050, lines * 12}; }

// Halves the font: narrower characters, lower lines.
PrinterMetrics FakePrinter::FitFontToWidth(int charactersPerLine) {
  calls.push_back("FitFontToWidth " + std::to_string(charactersPerLine));
  metrics.averageCharWidth = metrics.printableWidth / charactersPerLine;
  metrics.characterHeight /= 2;
  metrics.externalLeading /= 2;
  return metrics;
}
