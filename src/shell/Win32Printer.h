// The printer port on Windows: the printer dialog, a printer device context, the
// modeless cancel dialog "PrintDlgBox" and the abort procedure.
#pragma once

#include "host/PrinterPort.h"
#include "shell/Win32.h"

struct Shell;

class Win32Printer : public PrinterPort {
 public:
  Win32Printer(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}

  bool ChoosePrinter(PrintJob& job) override;
  PrinterMetrics Metrics() override;
  PrinterMetrics FitFontToWidth(int charactersPerLine) override;
  void BeginSpooling(const char* documentLabel) override;
  void EndSpooling(bool cancelledByUser) override;
  bool StartDocument() override;
  bool StartPage() override;
  bool EndPage() override;
  void EndDocument() override;
  void WriteTabbedLine(int y, const char* text, int length, int tabSpacing) override;
  bool PrintAborted() override;
  void ReleasePrinter() override;

 private:
  HINSTANCE instance_;
  HWND owner_;
  HDC printer_ = nullptr;
  HFONT fittedFont_ = nullptr;
};

// The Print command: prints the route on a printer the user chooses, the main
// window disabled meanwhile; a failed or cancelled job is reported with string
// resource 1, "Error while printing" (error icon).
void PrintRoute(Shell& shell);
