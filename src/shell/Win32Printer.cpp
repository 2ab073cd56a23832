// GDI printing. The abort procedure has no parameter for our state, so the
// cancel flag and the cancel dialog are this file's own, as there is only one
// print job at a time (the owner window is disabled while it runs).
#include "shell/Win32Printer.h"

#include <commdlg.h>

#include "commands/Session.h"
#include "host/ControlIds.h"
#include "host/MessagePort.h"
#include "present/RoutePrinting.h"
#include "shell/Shell.h"

namespace {

constexpr int kDocumentLabelItem = IDC_PRINT_DOCUMENT_LABEL;
// The owner's title names the document: at most 323 characters.
constexpr int kDocumentNameSize = 324;
constexpr int kErrorTextSize = 256;

bool printAborted = false;
HWND cancelDialog = nullptr;

// Any command from the cancel dialog (its button, Enter, Escape) stops the job.
INT_PTR CALLBACK CancelDialogProcedure(HWND dialog, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      EnableMenuItem(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_GRAYED);
      return TRUE;
    case WM_COMMAND:
      printAborted = true;
      EnableWindow(GetParent(dialog), TRUE);
      DestroyWindow(dialog);
      cancelDialog = nullptr;
      return TRUE;
    default: return FALSE;
  }
}

// Called by the spooler between its steps: keeps the program's windows answering
// and tells the spooler whether to go on.
BOOL CALLBACK AbortProcedure(HDC, int) {
  MSG message;
  while (!printAborted && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (cancelDialog == nullptr || !IsDialogMessageA(cancelDialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return !printAborted;
}

}  // namespace

bool Win32Printer::ChoosePrinter(PrintJob& job) {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.Flags = PD_RETURNDC | PD_COLLATE | PD_NOSELECTION;
  dialog.nCopies = 1;
  if (!PrintDlgA(&dialog)) return false;
  // The device context is all we keep; the dialog's memory blocks are ours to free.
  if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
  printer_ = dialog.hDC;
  job.copies = dialog.nCopies;
  job.collate = (dialog.Flags & PD_COLLATE) != 0;
  return printer_ != nullptr;
}

PrinterMetrics Win32Printer::Metrics() {
  TEXTMETRICA font{};
  GetTextMetricsA(printer_, &font);
  return {static_cast<int>(font.tmHeight), static_cast<int>(font.tmExternalLeading),
          static_cast<int>(font.tmAveCharWidth), GetDeviceCaps(printer_, HORZRES),
          GetDeviceCaps(printer_, VERTRES)};
}

PrinterMetrics Win32Printer::FitFontToWidth(int charactersPerLine) {
  TEXTMETRICA font{};
  GetTextMetricsA(printer_, &font);
  LOGFONTA fitted{};
  fitted.lfWidth = GetDeviceCaps(printer_, HORZRES) / charactersPerLine;
  // Keep the default font's proportions and face, only smaller.
  fitted.lfHeight = font.tmAveCharWidth > 0 ? font.tmHeight * fitted.lfWidth / font.tmAveCharWidth : 0;
  fitted.lfCharSet = font.tmCharSet;
  fitted.lfPitchAndFamily = font.tmPitchAndFamily & 0xF0;
  GetTextFaceA(printer_, LF_FACESIZE, fitted.lfFaceName);
  HFONT created = CreateFontIndirectA(&fitted);
  if (created != nullptr) {
    SelectObject(printer_, created);
    if (fittedFont_ != nullptr) DeleteObject(fittedFont_);
    fittedFont_ = created;
  }
  return Metrics();
}

void Win32Printer::BeginSpooling(const char* documentLabel) {
  EnableWindow(owner_, FALSE);
  printAborted = false;
  cancelDialog = CreateDialogParamA(instance_, "PrintDlgBox", owner_, CancelDialogProcedure, 0);
  if (cancelDialog != nullptr) {
    SetDlgItemTextA(cancelDialog, kDocumentLabelItem, documentLabel);
    ShowWindow(cancelDialog, SW_SHOW);
  }
  SetAbortProc(printer_, AbortProcedure);
}

void Win32Printer::EndSpooling(bool cancelledByUser) {
  // A cancel has already enabled the owner and closed the dialog.
  if (cancelledByUser) return;
  EnableWindow(owner_, TRUE);
  if (cancelDialog != nullptr) DestroyWindow(cancelDialog);
  cancelDialog = nullptr;
}

bool Win32Printer::StartDocument() {
  char documentName[kDocumentNameSize] = "";
  GetWindowTextA(owner_, documentName, sizeof documentName);
  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = documentName;
  return StartDocA(printer_, &document) > 0;
}

// The page calls report an error with zero as well as with a negative value.
bool Win32Printer::StartPage() { return ::StartPage(printer_) > 0; }
bool Win32Printer::EndPage() { return ::EndPage(printer_) > 0; }
void Win32Printer::EndDocument() { EndDoc(printer_); }

void Win32Printer::WriteTabbedLine(int y, const char* text, int length, int tabSpacing) {
  TabbedTextOutA(printer_, 0, y, text, length, 1, &tabSpacing, 0);
}

// Runs the abort procedure itself between pages too: not every printing system
// calls it, and the cancel dialog must answer all the same.
bool Win32Printer::PrintAborted() { return !AbortProcedure(printer_, 0); }

void Win32Printer::ReleasePrinter() {
  if (printer_ != nullptr) DeleteDC(printer_);
  printer_ = nullptr;
  // Deleted after the device context that had it selected.
  if (fittedFont_ != nullptr) DeleteObject(fittedFont_);
  fittedFont_ = nullptr;
}

void PrintRoute(Shell& shell) {
  Win32Printer printer(shell.instance, shell.mainWindow);
  if (PrintRouteTable(shell.session->route, printer, "PlanTransit")) return;
  char text[kErrorTextSize] = "Error while printing";
  LoadStringA(shell.instance, kPrintErrorString, text, sizeof text);
  shell.session->ports.messages->ShowMessage(text, MessageKind::Error, MessageButtons::Ok);
}
