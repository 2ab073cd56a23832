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

MessageAnswer ConsoleMessagePort::ShowMessage(const char* text, MessageKind kind, MessageButtons buttons) {
  bool question = buttons != MessageButtons::Ok;
  bool overwriteQuestion = question && EndsWith(text, kOverwriteQuestion);
  if (overwriteQuestion && overwrite_) return MessageAnswer::Yes;
  // A plan kept rather than overwritten is said again as the plan's failure; any
  // other question tells of a problem (a data file that does not open).
  bool problem = (kind == MessageKind::Error || kind == MessageKind::Warning) && !overwriteQuestion;
  if (!quiet_ || problem) PrintDiagnostic(text);
  return question ? MessageAnswer::No : MessageAnswer::Ok;
}
