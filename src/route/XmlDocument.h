// A small reader of the XML plan files: one document into a tree of elements with
// their attributes and text, entities decoded. It reads what well-formed files
// hold and refuses, with the line at fault, what is not: it never guesses.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct XmlElement {
  std::string name;
  std::vector<std::pair<std::string, std::string>> attributes;
  std::string text;                  // the element's own text (CDATA included), decoded
  std::vector<XmlElement> children;
  std::size_t line = 0;              // where its start tag is, from 1

  // The first child named `childName`; null when there is none.
  const XmlElement* Child(std::string_view childName) const;
  // Every child named `childName`, in order.
  std::vector<const XmlElement*> Children(std::string_view childName) const;
  // The text of the first child named `childName`, blanks at its ends trimmed; "" when none.
  std::string ChildText(std::string_view childName) const;
  // The value of attribute `attributeName`; null when the element has none.
  const std::string* Attribute(std::string_view attributeName) const;
};

// Elements nested deeper than this, more elements than the second, an element of
// more attributes than the third, and a name longer than the fourth are refused.
constexpr std::size_t kMaxXmlDepth = 64;
constexpr std::size_t kMaxXmlElements = 200000;
constexpr std::size_t kMaxXmlAttributes = 64;
constexpr std::size_t kMaxXmlNameLength = 256;

// Reads `bytes` (UTF-8, an optional byte order mark, an optional declaration,
// comments, processing instructions and a doctype skipped) as one document whose
// root element goes into `root`. False, with `problem` naming the line ("line 12:
// ...") and the fault, when it is not one well-formed document.
bool ParseXml(std::string_view bytes, XmlElement& root, std::string& problem);

// The name of the root element `bytes` start with, found without reading the
// document: after an optional byte order mark, the declaration, comments,
// processing instructions and a doctype. "" when no element starts there.
std::string_view XmlRootName(std::string_view bytes);

// The text with the blanks, tabs and line ends at its ends removed.
std::string_view TrimmedXmlText(std::string_view text);
