#include "cli/ConsoleMessagePort.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "writers/SaveFrame.h"

namespace {

bool EndsWith(const std::string& text, const char* tail) {
  std::size_t length = std::strlen(tail);
  return text.size() >= length && text.compare(text.size() - length, length, tail) == 0;
}

}  // namespace

void PrintDiagnostic(const char* text) {
  std::string line = text;
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  std::fprintf(stderr, "plantransit-convert: %s\n", line.c_str());
}

MessageAnswer ConsoleMessagePort::ShowMessage(const char* text, MessageKind, MessageButtons buttons) {
  PrintDiagnostic(text);
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  bool isOverwriteQuestion = EndsWith(text, kOverwriteQuestion);
  return isOverwriteQuestion && overwrite_ ? MessageAnswer::Yes : MessageAnswer::No;
}
