// Every function here looks at each byte at most a few times and allocates
// nothing, so a reader's time stays linear in the file and its memory flat.
#include "route/TextLines.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string_view WithoutByteOrderMark(std::string_view bytes) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  return bytes.substr(0, kMark.size()) == kMark ? bytes.substr(kMark.size()) : bytes;
}

bool LineCursor::Next(std::string_view& line) {
  if (done_) return false;
  ++number_;
  std::size_t end = rest_.find('\n');
  if (end == std::string_view::npos) {
    line = rest_;
    rest_ = {};
    done_ = true;
    // A text that ends with its last line end has no further, empty line.
    if (line.empty()) {
      --number_;
      return false;
    }
    return true;
  }
  line = rest_.substr(0, end);
  rest_.remove_prefix(end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return true;
}

bool LineCursor::NextNonBlank(std::string_view& line) {
  while (Next(line)) {
    if (!Trimmed(line).empty()) return true;
  }
  return false;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::size_t SplitWords(std::string_view line, std::span<std::string_view> fields) {
  std::size_t count = 0;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at == line.size()) break;
    std::size_t start = at;
    while (at < line.size() && !IsBlank(line[at])) ++at;
    if (count < fields.size()) fields[count] = line.substr(start, at - start);
    ++count;
  }
  return count;
}

std::size_t SplitAt(std::string_view line, char separator, std::span<std::string_view> fields) {
  std::size_t count = 0;
  for (;;) {
    std::size_t end = line.find(separator);
    if (count < fields.size()) fields[count] = Trimmed(line.substr(0, end));
    ++count;
    if (end == std::string_view::npos) return count;
    line.remove_prefix(end + 1);
  }
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}
