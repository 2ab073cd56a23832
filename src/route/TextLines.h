// Lines and fields of the text plan files, read from memory: the readers of the
// text formats walk a file line by line and cut each line into its fields.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// `bytes` without the UTF-8 byte order mark some editors put first.
std::string_view WithoutByteOrderMark(std::string_view bytes);

// Walks a text line by line. A LF ends a line, and a CR directly before it is
// dropped; the last line needs no end. Nothing is copied: the lines are views
// into the text, which must outlive the cursor.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : rest_(text) {}

  // The next line, without its end; false when the text has no more.
  bool Next(std::string_view& line);
  // The next line that is not blank (Trimmed empty); false when none is left.
  bool NextNonBlank(std::string_view& line);
  // The number of the line Next gave last, counted from 1.
  std::size_t Number() const { return number_; }

 private:
  std::string_view rest_;
  std::size_t number_ = 0;
  bool done_ = false;
};

// `text` without blanks and tabs at either end.
std::string_view Trimmed(std::string_view text);

// Cuts `line` into the words between blanks and tabs. Fills `fields` with the
// first ones and returns how many words the line has (more than fields.size()
// when it has more than fit).
std::size_t SplitWords(std::string_view line, std::span<std::string_view> fields);

// Cuts `line` at every `separator`, each field Trimmed. Fills `fields` with the
// first ones and returns how many fields the line has ("" has one, empty).
std::size_t SplitAt(std::string_view line, char separator, std::span<std::string_view> fields);

// True when `a` and `b` are the same text but for the case of ASCII letters.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
