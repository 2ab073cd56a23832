// The one small XML writer of today's formats: one element per line, indented
// by its depth, every text and attribute escaped, over the writers' plan stream
// (so lines end in CR LF like every other format). Texts are UTF-8.
//
// Only what XML needs is escaped: quotes stay as they are in element text, where
// XML allows them, since readers that take text without decoding entities (a
// published MSFS plan reader among them) would otherwise misread a position
// such as N47° 27' 28.80".
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class PlanStream;

struct XmlAttribute {
  const char* name;
  std::string_view value;
};

// Element text with &, < and > written as the entities XML reads back.
std::string EscapeXmlText(std::string_view text);
// An attribute value in double quotes: the text escapes and ".
std::string EscapeXmlAttribute(std::string_view value);

class XmlWriter {
 public:
  explicit XmlWriter(PlanStream& out) : out_(out) {}

  // <?xml version="1.0" encoding="UTF-8"?>
  void Declaration();
  // Starts element `name` on a line of its own; its content follows, one level deeper.
  void Open(const char* name, std::initializer_list<XmlAttribute> attributes = {});
  // Ends the innermost open element.
  void Close();
  // <name attributes>text</name> on one line.
  void Element(const char* name, std::string_view text, std::initializer_list<XmlAttribute> attributes = {});
  // Element with a number written by the C conversion `format`.
  void Number(const char* name, const char* format, double value);

 private:
  void StartTag(const char* name, std::initializer_list<XmlAttribute> attributes);

  PlanStream& out_;
  std::vector<const char*> open_;
};
