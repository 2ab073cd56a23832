// The converter's message port: every message the window would show becomes one
// line on standard error, and questions are answered by rule, never asked.
#pragma once

#include "host/MessagePort.h"

class ConsoleMessagePort : public MessagePort {
 public:
  // `overwrite` answers the overwrite question; every other question is answered
  // No (so a missing airport file is not searched for).
  explicit ConsoleMessagePort(bool overwrite) : overwrite_(overwrite) {}

  MessageAnswer ShowMessage(const char* text, MessageKind kind, MessageButtons buttons) override;

 private:
  bool overwrite_;
};

// Prints "plantransit-convert: TEXT" on standard error, line ends inside TEXT
// turned into blanks and those at its end dropped.
void PrintDiagnostic(const char* text);
