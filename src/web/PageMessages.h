// The page's message port: every message the window would show is kept for the
// page to show beside its file; questions are answered No, as the converter
// answers them without --force (a plan already there is kept, a missing airport
// file is not searched for).
#pragma once

#include <vector>

#include "host/MessagePort.h"
#include "web/JsonText.h"

class PageMessages : public MessagePort {
 public:
  MessageAnswer ShowMessage(const char* text, MessageKind kind, MessageButtons buttons) override {
    shown.push_back({kind, text});
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
  }

  std::vector<PageMessage> shown;
};
