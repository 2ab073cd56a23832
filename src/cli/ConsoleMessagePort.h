// The converter's message port: every message the window would show becomes one
// line on standard error, and questions are answered by rule, never asked.
#pragma once

#include "host/MessagePort.h"

class ConsoleMessagePort : public MessagePort {
 public:
  // `overwrite` answers the overwrite question Yes, silently; without it the
  // question is answered No and printed, unless `quiet`. Every other question is
  // answered No (so a missing airport file is not searched for). `quiet` prints
  // errors and warnings only.
  ConsoleMessagePort(bool overwrite, bool quiet) : overwrite_(overwrite), quiet_(quiet) {}

  MessageAnswer ShowMessage(const char* text, MessageKind kind, MessageButtons buttons) override;

 private:
  bool overwrite_;
  bool quiet_;
};

// Prints "plantransit-convert: TEXT" on standard error, line ends inside TEXT
// turned into blanks and those at its end dropped.
void PrintDiagnostic(const char* text);
