// Reading and editing profile text line by line. Every scan is bounded by the
// text's length; a line of any length is just a longer view.
#include "config/ProfileText.h"

#include <limits>

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// One line of the text, by offsets: [begin, end) is its content, `next` the start
// of the following line (after the "\n" or "\r\n"), or the text's end.
struct Line {
  std::size_t begin;
  std::size_t end;
  std::size_t next;
};

enum class LineKind { Blank, Comment, Section, Entry, Other };

struct ParsedLine {
  LineKind kind;
  std::string_view name;  // section or key name, trimmed
  std::size_t equals;     // Entry: offset of the "=" within the line
};

// Where a key is, or would go, in the text.
struct KeyPlace {
  bool sectionFound = false;
  bool keyFound = false;
  std::size_t valueBegin = 0;  // keyFound: the bytes to replace
  std::size_t valueEnd = 0;
  std::size_t insertAt = 0;    // sectionFound, !keyFound: where a new key line goes
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

std::size_t SkipBlanks(std::string_view text, std::size_t position) {
  while (position < text.size() && IsBlank(text[position])) ++position;
  return position;
}

std::string_view TrimStart(std::string_view text) { return text.substr(SkipBlanks(text, 0)); }

std::string_view Trim(std::string_view text) {
  text = TrimStart(text);
  std::size_t length = text.size();
  while (length > 0 && IsBlank(text[length - 1])) --length;
  return text.substr(0, length);
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// A byte-order mark written by an editor is not part of the first line.
std::size_t FirstLineStart(std::string_view text) {
  return text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark ? kUtf8ByteOrderMark.size() : 0;
}

Line LineAt(std::string_view text, std::size_t begin) {
  std::size_t newline = text.find('\n', begin);
  if (newline == std::string_view::npos) return {begin, text.size(), text.size()};
  std::size_t end = newline > begin && text[newline - 1] == '\r' ? newline - 1 : newline;
  return {begin, end, newline + 1};
}

ParsedLine ParseLine(std::string_view line) {
  std::string_view body = TrimStart(line);
  if (Trim(body).empty()) return {LineKind::Blank, {}, 0};
  if (body[0] == ';') return {LineKind::Comment, {}, 0};
  if (body[0] == '[') {
    std::size_t close = body.rfind(']');
    if (close == std::string_view::npos) return {LineKind::Other, {}, 0};
    return {LineKind::Section, Trim(body.substr(1, close - 1)), 0};
  }
  std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {LineKind::Other, {}, 0};
  return {LineKind::Entry, Trim(line.substr(0, equals)), equals};
}

KeyPlace LocateKey(std::string_view text, std::string_view section, std::string_view key) {
  KeyPlace place;
  for (std::size_t begin = FirstLineStart(text); begin < text.size();) {
    Line line = LineAt(text, begin);
    std::string_view content = text.substr(line.begin, line.end - line.begin);
    ParsedLine parsed = ParseLine(content);
    if (parsed.kind == LineKind::Section) {
      if (place.sectionFound) break;
      if (SameName(parsed.name, section)) {
        place.sectionFound = true;
        place.insertAt = line.next;
      }
    } else if (place.sectionFound && parsed.kind == LineKind::Entry && SameName(parsed.name, key)) {
      place.keyFound = true;
      place.valueBegin = line.begin + SkipBlanks(content, parsed.equals + 1);
      place.valueEnd = line.end;
      return place;
    } else if (place.sectionFound && parsed.kind != LineKind::Blank) {
      place.insertAt = line.next;
    }
    begin = line.next;
  }
  return place;
}

std::string_view LineEndOf(std::string_view text) {
  std::size_t newline = text.find('\n');
  if (newline != std::string_view::npos && (newline == 0 || text[newline - 1] != '\r')) return "\n";
  return "\r\n";
}

bool HasNo(std::string_view text, bool (*isForbidden)(char)) {
  for (char c : text) {
    if (isForbidden(c)) return false;
  }
  return true;
}

bool IsName(std::string_view name) {
  return !name.empty() && !IsBlank(name.front()) && !IsBlank(name.back()) && HasNo(name, IsLineBreak);
}

// The digits are read with the magnitude held one past the 32-bit range, so the
// arithmetic never overflows however long the number is.
int32_t LeadingInteger(std::string_view value) {
  constexpr int64_t kBeyondRange = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  std::size_t position = 0;
  bool negative = false;
  if (position < value.size() && (value[position] == '-' || value[position] == '+')) {
    negative = value[position] == '-';
    ++position;
  }
  int64_t magnitude = 0;
  for (; position < value.size() && value[position] >= '0' && value[position] <= '9'; ++position) {
    magnitude = magnitude * 10 + (value[position] - '0');
    if (magnitude > kBeyondRange) magnitude = kBeyondRange;
  }
  if (negative) return static_cast<int32_t>(-magnitude);
  return static_cast<int32_t>(magnitude < kBeyondRange ? magnitude : kBeyondRange - 1);
}

}  // namespace

bool FindProfileValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view& value) {
  KeyPlace place = LocateKey(text, section, key);
  if (!place.keyFound) return false;
  value = Trim(text.substr(place.valueBegin, place.valueEnd - place.valueBegin));
  return true;
}

int32_t ReadProfileInt(std::string_view text, std::string_view section, std::string_view key,
                       int32_t defaultValue) {
  std::string_view value;
  if (!FindProfileValue(text, section, key, value) || value.empty()) return defaultValue;
  return LeadingInteger(value);
}

void ReadProfileText(std::string_view text, std::string_view section, std::string_view key,
                     const char* defaultValue, char* out, std::size_t outSize) {
  if (outSize == 0) return;
  std::string_view value;
  if (!FindProfileValue(text, section, key, value)) value = defaultValue;
  std::size_t length = value.size() < outSize - 1 ? value.size() : outSize - 1;
  value.copy(out, length);
  out[length] = '\0';
}

bool CanWriteProfileValue(std::string_view section, std::string_view key, std::string_view value) {
  return IsName(section) && section.find(']') == std::string_view::npos && IsName(key) &&
         key.find('=') == std::string_view::npos && key.front() != ';' && key.front() != '[' &&
         HasNo(value, IsLineBreak);
}

bool SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value, std::string& updated) {
  if (!CanWriteProfileValue(section, key, value)) return false;
  KeyPlace place = LocateKey(text, section, key);
  std::string_view lineEnd = LineEndOf(text);
  std::string result;
  if (place.keyFound) {
    result.append(text.substr(0, place.valueBegin)).append(value).append(text.substr(place.valueEnd));
  } else {
    std::size_t insertAt = place.sectionFound ? place.insertAt : text.size();
    result.append(text.substr(0, insertAt));
    if (!result.empty() && result.back() != '\n') result.append(lineEnd);
    if (!place.sectionFound) {
      if (!result.empty()) result.append(lineEnd);
      result.append("[").append(section).append("]").append(lineEnd);
    }
    result.append(key).append("=").append(value).append(lineEnd).append(text.substr(insertAt));
  }
  updated = std::move(result);
  return true;
}
