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
