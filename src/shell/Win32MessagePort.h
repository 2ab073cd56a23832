// The message-box port on Windows: caption "PlanTransit", the main window (when
// it exists) as owner.
#pragma once

#include "host/MessagePort.h"

struct Shell;

class Win32MessagePort : public MessagePort {
 public:
  explicit Win32MessagePort(const Shell& shell) : shell_(shell) {}
  MessageAnswer ShowMessage(const char* text, MessageKind kind, MessageButtons buttons) override;

 private:
  const Shell& shell_;
};
