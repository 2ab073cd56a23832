// Indentation is four blanks a level, as the simulators write their own files.
#include "writers/XmlWriter.h"

#include <cstdio>

#include "writers/PlanStream.h"

namespace {

std::string Escape(std::string_view text, bool inAttribute) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += inAttribute ? "&quot;" : "\""; break;
      default: out += c; break;
    }
  }
  return out;
}

}  // namespace

std::string EscapeXmlText(std::string_view text) { return Escape(text, false); }

std::string EscapeXmlAttribute(std::string_view value) { return Escape(value, true); }

void XmlWriter::Declaration() { out_.Print("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"); }

void XmlWriter::StartTag(const char* name, std::initializer_list<XmlAttribute> attributes) {
  std::string tag(4 * open_.size(), ' ');
  tag += '<';
  tag += name;
  for (const XmlAttribute& attribute : attributes) {
    tag += ' ';
    tag += attribute.name;
    tag += "=\"";
    tag += EscapeXmlAttribute(attribute.value);
    tag += '"';
  }
  tag += '>';
  out_.Print("%s", tag.c_str());
}

void XmlWriter::Open(const char* name, std::initializer_list<XmlAttribute> attributes) {
  StartTag(name, attributes);
  out_.Print("\n");
  open_.push_back(name);
}

void XmlWriter::Close() {
  if (open_.empty()) return;
  const char* name = open_.back();
  open_.pop_back();
  out_.Print("%*s</%s>\n", static_cast<int>(4 * open_.size()), "", name);
}

void XmlWriter::Element(const char* name, std::string_view text, std::initializer_list<XmlAttribute> attributes) {
  StartTag(name, attributes);
  out_.Print("%s</%s>\n", EscapeXmlText(text).c_str(), name);
}

void XmlWriter::Number(const char* name, const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  Element(name, text);
}
