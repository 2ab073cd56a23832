// A message port for tests: records every message and answers questions from a
// script. An unscripted question is a test failure (answered "No").
#pragma once

#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/MessagePort.h"

struct RecordedMessage {
  std::string text;
  MessageKind kind;
  MessageButtons buttons;
};

class FakeMessagePort : public MessagePort {
 public:
  MessageAnswer ShowMessage(const char* text, MessageKind kind, MessageButtons buttons) override;

  void Answer(MessageAnswer answer) { answers_.push_back(answer); }
  const std::vector<RecordedMessage>& Messages() const { return messages_; }
  std::vector<std::string> Texts() const;

 private:
  std::deque<MessageAnswer> answers_;
  std::vector<RecordedMessage> messages_;
};

std::string DescribeKind(MessageKind kind);
std::string DescribeButtons(MessageButtons buttons);

// Succeeds when `port` showed exactly `expected`, in order: text, kind and
// buttons of each; otherwise says what was shown.
::testing::AssertionResult ShowedMessages(const FakeMessagePort& port,
                                          const std::vector<RecordedMessage>& expected);
