// Lines are cut, never copied: an entry's texts are views into the file.
#include "route/IniLines.h"

#include "route/PointFields.h"

namespace {

// The name of a "[name]" line; false for any other line.
bool SectionName(std::string_view line, std::string_view& name) {
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return false;
  name = Trimmed(line.substr(1, line.size() - 2));
  return true;
}

}  // namespace

IniStep IniCursor::Next(IniEntry& entry, std::string& problem) {
  std::string_view raw;
  while (lines_.Next(raw)) {
    std::string_view line = Trimmed(raw);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      if (SectionName(line, section_)) continue;
      problem = AtLine(lines_.Number()) + Quoted(line) + " is no section line";
      return IniStep::Malformed;
    }
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trimmed(line.substr(0, equals)).empty()) {
      problem = AtLine(lines_.Number()) + Quoted(line) + " is no key=value line";
      return IniStep::Malformed;
    }
    entry = {section_, Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)), lines_.Number()};
    return IniStep::Entry;
  }
  return IniStep::End;
}

bool ReadIniSection(std::string_view bytes, std::string_view section,
                    const std::function<bool(const IniEntry&, std::string&)>& take, std::string& problem) {
  IniCursor entries(bytes);
  IniEntry entry;
  for (;;) {
    IniStep step = entries.Next(entry, problem);
    if (step == IniStep::Malformed) return false;
    if (step == IniStep::End) return true;
    if (EqualsIgnoringCase(entry.section, section) && !take(entry, problem)) return false;
  }
}

std::string_view FirstIniSection(std::string_view bytes) {
  LineCursor lines(WithoutByteOrderMark(bytes));
  std::string_view line;
  std::string_view name;
  if (!lines.NextNonBlank(line) || !SectionName(Trimmed(line), name)) return {};
  return name;
}
