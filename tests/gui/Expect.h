// What one GUI case found: each failed expectation, said with what was expected
// and what was seen.
#pragma once

#include <string>
#include <vector>

class CaseReport {
 public:
  // Records a failure when `holds` is false.
  bool Expect(bool holds, const std::string& what);
  bool ExpectText(const std::string& expected, const std::string& actual, const std::string& what);
  bool ExpectNumber(long long expected, long long actual, const std::string& what);
  void Fail(const std::string& what) { failures_.push_back(what); }

  bool Passed() const { return failures_.empty(); }
  const std::vector<std::string>& Failures() const { return failures_; }

 private:
  std::vector<std::string> failures_;
};

// A text with its line ends and control characters made visible.
std::string Visible(const std::string& text);
