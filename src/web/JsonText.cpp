// JSON strings, arrays and the page's messages.
#include "web/JsonText.h"

#include <cstdio>

#include "route/TextEncoding.h"

namespace {

const char* KindName(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error: return "error";
    case MessageKind::Warning: return "warning";
    case MessageKind::Question: return "question";
    case MessageKind::Information: break;
  }
  return "information";
}

}  // namespace

std::string JsonString(std::string_view text) {
  // The converter's texts quote file names (UTF-8 here) and route texts
  // (Windows-1252): ValidUtf8 keeps the one and reads the other as such.
  const std::string utf8 = ValidUtf8(text);
  std::string out = "\"";
  for (char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string JsonStringArray(const std::vector<std::string>& texts) {
  std::string out = "[";
  for (std::size_t index = 0; index < texts.size(); ++index) {
    out += (index > 0 ? "," : "") + JsonString(texts[index]);
  }
  return out + "]";
}

std::string JsonMessages(const std::vector<PageMessage>& messages) {
  std::string out = "[";
  for (std::size_t index = 0; index < messages.size(); ++index) {
    out += std::string(index > 0 ? "," : "") + "{\"kind\":\"" + KindName(messages[index].kind) +
           "\",\"text\":" + JsonString(messages[index].text) + "}";
  }
  return out + "]";
}
