// Plan files of INI sections and "key=value" lines (the FS2000/2002 plan, the
// FLP plan), walked entry by entry from memory.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "route/TextLines.h"

struct IniEntry {
  std::string_view section;  // the name of the section it stands in; "" before any section line
  std::string_view key;      // without blanks around it
  std::string_view value;    // without blanks around it
  std::size_t line;          // counted from 1
};

enum class IniStep { Entry, End, Malformed };

class IniCursor {
 public:
  // Walks `bytes` (a UTF-8 byte order mark first is passed over), which must
  // outlive the cursor.
  explicit IniCursor(std::string_view bytes) : lines_(WithoutByteOrderMark(bytes)) {}

  // The next "key=value" line as `entry`. Blank lines and comments (";" first)
  // are passed over; a "[name]" line starts a section. End after the last line;
  // Malformed, with `problem` saying which line and why, for a line that is none
  // of these ("line 7: \"xyz\" is no key=value line").
  IniStep Next(IniEntry& entry, std::string& problem);

 private:
  LineCursor lines_;
  std::string_view section_;
};

// Hands each entry of the section named `section` (in any case) to `take`, in
// the order of the file; entries of other sections are passed over. False with
// `problem` for a malformed line (see IniCursor::Next) or when `take` returns
// false, which then says why in `problem`.
bool ReadIniSection(std::string_view bytes, std::string_view section,
                    const std::function<bool(const IniEntry&, std::string&)>& take, std::string& problem);

// The name of the section the text opens with: its first line that is not blank
// is "[name]"; "" for a text that opens otherwise.
std::string_view FirstIniSection(std::string_view bytes);
