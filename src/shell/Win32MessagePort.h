// The message-box port on Windows: caption "PlanTransit", the main window (when
// it exists) as owner.
#pragma once

#include "host/MessagePort.h"
#include "shell/Win32.h"

struct Shell;

class Win32MessagePort : public MessagePort {
 public:
  explicit Win32MessagePort(const Shell& shell) : shell_(shell) {}
  MessageAnswer ShowMessage(const char* text, MessageKind kind, MessageButtons buttons) override;

 private:
  const Shell& shell_;
};

// Message boxes owned by one of the program's dialogs (a settings page), so they
// stay over it; caption "PlanTransit" as every other.
class DialogMessagePort : public MessagePort {
 public:
  explicit DialogMessagePort(HWND owner) : owner_(owner) {}
  MessageAnswer ShowMessage(const char* text, MessageKind kind, MessageButtons buttons) override;

 private:
  HWND owner_;
};
