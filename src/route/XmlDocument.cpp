// The parser walks the bytes once, keeping the open elements on a stack of
// pointers: a parent's children do not move while one of them is open, since
// nothing is added to the parent until that child is closed.
#include "route/XmlDocument.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsNameCharacter(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == ':' ||
         c == '.' || c == '-' || u >= 0x80;
}

void AppendUtf8(std::string& out, uint32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// What ends the doctype at `at`: "]>" when it has an internal subset, whose
// declarations hold ">" of their own, else ">".
std::string_view DoctypeEnd(std::string_view bytes, std::size_t at) {
  std::size_t close = bytes.find('>', at);
  std::size_t subset = bytes.find('[', at);
  return subset < close ? "]>" : ">";
}

// Moves `at` past blanks, comments, processing instructions and a doctype; false
// when one of them does not end.
bool SkipProlog(std::string_view bytes, std::size_t& at) {
  for (;;) {
    while (at < bytes.size() && IsXmlSpace(bytes[at])) ++at;
    std::string_view rest = bytes.substr(at);
    std::string_view end = rest.starts_with("<!--")        ? "-->"
                           : rest.starts_with("<?")        ? "?>"
                           : rest.starts_with("<!DOCTYPE") ? DoctypeEnd(bytes, at)
                                                           : "";
    if (end.empty()) return true;
    std::size_t found = bytes.find(end, at + 2);
    if (found == std::string_view::npos) return false;
    at = found + end.size();
  }
}

class XmlParser {
 public:
  explicit XmlParser(std::string_view bytes) : bytes_(bytes) {}

  bool Parse(XmlElement& root, std::string& problem) {
    if (bytes_.substr(0, 3) == "\xEF\xBB\xBF") at_ = 3;
    bool ok = ParseDocument(root);
    if (!ok) problem = "line " + std::to_string(line_) + ": " + fault_;
    return ok;
  }

 private:
  bool Fail(const std::string& fault) {
    fault_ = fault;
    return false;
  }

  bool AtEnd() const { return at_ >= bytes_.size(); }
  bool LooksAt(std::string_view text) const { return bytes_.substr(at_, text.size()) == text; }

  void Advance(std::size_t count) {
    std::string_view passed = bytes_.substr(at_, count);
    line_ += static_cast<std::size_t>(std::count(passed.begin(), passed.end(), '\n'));
    at_ += passed.size();
  }

  void SkipSpace() {
    while (!AtEnd() && IsXmlSpace(bytes_[at_])) Advance(1);
  }

  // Moves past the next `end`; false when the document ends first.
  bool SkipPast(std::string_view end) {
    std::size_t found = bytes_.find(end, at_);
    if (found == std::string_view::npos) return false;
    Advance(found + end.size() - at_);
    return true;
  }

  // Comments, processing instructions and a doctype before, between and after elements.
  bool SkipMarkup(bool& skipped) {
    skipped = true;
    if (LooksAt("<!--")) return SkipPast("-->") || Fail("a comment does not end");
    if (LooksAt("<?")) return SkipPast("?>") || Fail("a processing instruction does not end");
    if (LooksAt("<!DOCTYPE")) return SkipPast(DoctypeEnd(bytes_, at_)) || Fail("the doctype does not end");
    skipped = false;
    return true;
  }

  bool ParseDocument(XmlElement& root) {
    bool haveRoot = false;
    for (;;) {
      SkipSpace();
      if (AtEnd()) return haveRoot || Fail("the document holds no element");
      bool skipped = false;
      if (!SkipMarkup(skipped)) return false;
      if (skipped) continue;
      if (bytes_[at_] != '<') return Fail("text outside the root element");
      if (haveRoot) return Fail("a second root element");
      if (!ParseElement(root)) return false;
      haveRoot = true;
    }
  }

  bool ParseName(std::string& name) {
    if (AtEnd()) return Fail("the document ends inside a tag");
    std::size_t start = at_;
    while (!AtEnd() && IsNameCharacter(bytes_[at_])) Advance(1);
    if (at_ - start > kMaxXmlNameLength) return Fail("a name longer than a plan holds");
    name.assign(bytes_.substr(start, at_ - start));
    return !name.empty() || Fail("a name is missing");
  }

  // Decodes the text up to the next '<' (or, in an attribute, its closing quote)
  // into `out`.
  bool DecodeUntil(char stop, std::string& out) {
    const char ends[] = {stop, '<', '&', '\0'};
    for (;;) {
      std::size_t end = std::min(bytes_.find_first_of(ends, at_), bytes_.size());
      out.append(bytes_.substr(at_, end - at_));
      Advance(end - at_);
      if (AtEnd() || bytes_[at_] != '&') return true;
      if (!DecodeEntity(out)) return false;
    }
  }

  bool DecodeEntity(std::string& out) {
    std::size_t end = bytes_.find(';', at_);
    if (end == std::string_view::npos || end - at_ > 12) return Fail("an entity does not end");
    std::string_view entity = bytes_.substr(at_ + 1, end - at_ - 1);
    Advance(end + 1 - at_);
    if (entity == "amp") out += '&';
    else if (entity == "lt") out += '<';
    else if (entity == "gt") out += '>';
    else if (entity == "quot") out += '"';
    else if (entity == "apos") out += '\'';
    else if (!entity.empty() && entity[0] == '#') return DecodeCharacterReference(entity.substr(1), out);
    else return Fail("an unknown entity &" + std::string(entity) + ";");
    return true;
  }

  bool DecodeCharacterReference(std::string_view digits, std::string& out) {
    bool hex = !digits.empty() && digits[0] == 'x';
    if (hex) digits.remove_prefix(1);
    if (digits.empty()) return Fail("an empty character reference");
    uint32_t codePoint = 0;
    for (char c : digits) {
      int value = c >= '0' && c <= '9' ? c - '0'
                  : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
      if (value < 0) return Fail("a character reference that is no number");
      codePoint = codePoint * (hex ? 16 : 10) + static_cast<uint32_t>(value);
      if (codePoint > 0x10FFFF) return Fail("a character reference beyond Unicode");
    }
    if (codePoint == 0 || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
      return Fail("a character reference to no character");
    }
    AppendUtf8(out, codePoint);
    return true;
  }

  bool ParseAttributes(XmlElement& element, bool& selfClosing) {
    for (;;) {
      SkipSpace();
      if (AtEnd()) return Fail("the document ends inside the tag <" + element.name + ">");
      if (LooksAt("/>")) {
        Advance(2);
        selfClosing = true;
        return true;
      }
      if (bytes_[at_] == '>') {
        Advance(1);
        selfClosing = false;
        return true;
      }
      std::pair<std::string, std::string> attribute;
      if (!ParseName(attribute.first)) return false;
      SkipSpace();
      if (AtEnd() || bytes_[at_] != '=') return Fail("the attribute " + attribute.first + " has no value");
      Advance(1);
      SkipSpace();
      if (AtEnd() || (bytes_[at_] != '"' && bytes_[at_] != '\'')) return Fail("an attribute value is not quoted");
      char quote = bytes_[at_];
      Advance(1);
      if (!DecodeUntil(quote, attribute.second)) return false;
      if (AtEnd() || bytes_[at_] != quote) return Fail("the attribute " + attribute.first + " does not end");
      Advance(1);
      if (element.Attribute(attribute.first) != nullptr) {
        return Fail("the attribute " + attribute.first + " is given twice");
      }
      if (element.attributes.size() == kMaxXmlAttributes) return Fail("more attributes than a plan holds");
      element.attributes.push_back(std::move(attribute));
    }
  }

  // The start tag at `at_` (past its '<'), into `element`.
  bool StartElement(XmlElement& element, bool& selfClosing) {
    if (++elements_ > kMaxXmlElements) return Fail("more elements than a plan holds");
    element.line = line_;
    Advance(1);
    return ParseName(element.name) && ParseAttributes(element, selfClosing);
  }

  bool EndElement(const XmlElement& element) {
    Advance(2);
    std::string name;
    if (!ParseName(name)) return false;
    SkipSpace();
    if (AtEnd()) return Fail("the document ends inside the end tag </" + name + ">");
    if (bytes_[at_] != '>') return Fail("the end tag </" + name + "> holds more than a name");
    Advance(1);
    return name == element.name || Fail("</" + name + "> closes <" + element.name + ">");
  }

  bool ParseElement(XmlElement& root) {
    bool selfClosing = false;
    if (!StartElement(root, selfClosing)) return false;
    if (selfClosing) return true;
    std::vector<XmlElement*> open = {&root};
    while (!open.empty()) {
      XmlElement& current = *open.back();
      if (!DecodeUntil('<', current.text)) return false;
      if (AtEnd()) return Fail("<" + current.name + "> of line " + std::to_string(current.line) + " is not closed");
      bool skipped = false;
      if (LooksAt("<![CDATA[")) {
        std::size_t end = bytes_.find("]]>", at_);
        if (end == std::string_view::npos) return Fail("a CDATA section does not end");
        current.text.append(bytes_.substr(at_ + 9, end - at_ - 9));
        Advance(end + 3 - at_);
      } else if (!SkipMarkup(skipped)) {
        return false;
      } else if (skipped) {
        continue;
      } else if (LooksAt("</")) {
        if (!EndElement(current)) return false;
        open.pop_back();
      } else {
        if (open.size() >= kMaxXmlDepth) return Fail("elements nested deeper than a plan holds");
        XmlElement& child = current.children.emplace_back();
        if (!StartElement(child, selfClosing)) return false;
        if (!selfClosing) open.push_back(&child);
      }
    }
    return true;
  }

  std::string_view bytes_;
  std::size_t at_ = 0;
  std::size_t line_ = 1;
  std::size_t elements_ = 0;
  std::string fault_;
};

}  // namespace

const XmlElement* XmlElement::Child(std::string_view childName) const {
  for (const XmlElement& child : children) {
    if (child.name == childName) return &child;
  }
  return nullptr;
}

std::vector<const XmlElement*> XmlElement::Children(std::string_view childName) const {
  std::vector<const XmlElement*> found;
  for (const XmlElement& child : children) {
    if (child.name == childName) found.push_back(&child);
  }
  return found;
}

std::string XmlElement::ChildText(std::string_view childName) const {
  const XmlElement* child = Child(childName);
  return child != nullptr ? std::string(TrimmedXmlText(child->text)) : std::string();
}

const std::string* XmlElement::Attribute(std::string_view attributeName) const {
  for (const auto& attribute : attributes) {
    if (attribute.first == attributeName) return &attribute.second;
  }
  return nullptr;
}

bool ParseXml(std::string_view bytes, XmlElement& root, std::string& problem) {
  root = XmlElement{};
  return XmlParser(bytes).Parse(root, problem);
}

std::string_view TrimmedXmlText(std::string_view text) {
  while (!text.empty() && IsXmlSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsXmlSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view XmlRootName(std::string_view bytes) {
  std::size_t at = bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  if (!SkipProlog(bytes, at) || at >= bytes.size() || bytes[at] != '<') return "";
  std::size_t end = ++at;
  while (end < bytes.size() && IsNameCharacter(bytes[end])) ++end;
  return bytes.substr(at, end - at);
}
