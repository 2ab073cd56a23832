#include "support/FakeMessagePort.h"

#include <gtest/gtest.h>

MessageAnswer FakeMessagePort::ShowMessage(const char* text, MessageKind kind, MessageButtons buttons) {
  messages_.push_back({text, kind, buttons});
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question: " << text;
    return MessageAnswer::No;
  }
  MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::vector<std::string> FakeMessagePort::Texts() const {
  std::vector<std::string> texts;
  for (const RecordedMessage& message : messages_) texts.push_back(message.text);
  return texts;
}

std::string DescribeKind(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error: return "error";
    case MessageKind::Warning: return "warning";
    case MessageKind::Question: return "question";
    case MessageKind::Information: return "information";
  }
  return "?";
}

std::string DescribeButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return "OK";
    case MessageButtons::YesNo: return "Yes/No";
    case MessageButtons::YesNoCancel: return "Yes/No/Cancel";
  }
  return "?";
}

namespace {

std::string Describe(const RecordedMessage& message) {
  return "\"" + message.text + "\" (" + DescribeKind(message.kind) + ", " + DescribeButtons(message.buttons) +
         ")";
}

std::string DescribeAll(const std::vector<RecordedMessage>& messages) {
  std::string text;
  for (const RecordedMessage& message : messages) text += "\n  " + Describe(message);
  return messages.empty() ? "\n  (none)" : text;
}

}  // namespace

::testing::AssertionResult ShowedMessages(const FakeMessagePort& port,
                                          const std::vector<RecordedMessage>& expected) {
  const std::vector<RecordedMessage>& actual = port.Messages();
  bool same = actual.size() == expected.size();
  for (std::size_t i = 0; same && i < actual.size(); ++i) {
    same = actual[i].text == expected[i].text && actual[i].kind == expected[i].kind &&
           actual[i].buttons == expected[i].buttons;
  }
  if (same) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected messages:" << DescribeAll(expected)
                                       << "\nshown:" << DescribeAll(actual);
}
