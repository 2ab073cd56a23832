// The printer port: what printing the route asks of the platform. The Win32 shell
// implements it over the printer dialog and a printer device context; tests use a
// fake that records every page and line.
#pragma once

// The chosen printer's default font and printable area, in device units.
struct PrinterMetrics {
  int characterHeight;     // tmHeight
  int externalLeading;     // tmExternalLeading
  int averageCharWidth;    // tmAveCharWidth
  int printableWidth;      // HORZRES
  int printableHeight;     // VERTRES
};

// What the user chose in the printer dialog.
struct PrintJob {
  int copies;              // at least 1
  bool collate;            // whole document per copy, else each page repeated
};

class PrinterPort {
 public:
  virtual ~PrinterPort() = default;

  // Shows the printer dialog; true with `job` filled when the user chose a
  // printer, false when the dialog was cancelled or failed.
  virtual bool ChoosePrinter(PrintJob& job) = 0;
  virtual PrinterMetrics Metrics() = 0;
  // Selects a smaller font of the same kind so that `charactersPerLine` average
  // characters fit the printable width, and answers the new metrics.
  virtual PrinterMetrics FitFontToWidth(int charactersPerLine) = 0;

  // Disables the owner, shows the cancel dialog naming `documentLabel` and
  // installs the abort check; `EndSpooling` undoes that (a cancel has already
  // done it, so it is told whether the user cancelled).
  virtual void BeginSpooling(const char* documentLabel) = 0;
  virtual void EndSpooling(bool cancelledByUser) = 0;

  // Document and page brackets; false when the printing system refused.
  virtual bool StartDocument() = 0;
  virtual bool StartPage() = 0;
  virtual bool EndPage() = 0;
  virtual void EndDocument() = 0;

  // Writes `length` characters of `text` with its top at `y` from the top of the
  // printable area, x = 0, tabs expanded to stops every `tabSpacing` units.
  virtual void WriteTabbedLine(int y, const char* text, int length, int tabSpacing) = 0;

  // True once the user has asked to stop the job.
  virtual bool PrintAborted() = 0;

  // Lets go of the printer (its device context); the last call of every job.
  virtual void ReleasePrinter() = 0;
};
