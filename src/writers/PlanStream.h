// The output stream a writer fills: formatted text with CR LF line ends, or raw
// bytes, into a byte sink (the frame's output file, or memory). Errors are
// sticky, like a C stream's error indicator, and tested by the writer after each
// block.
#pragma once

#include <cstddef>

class ByteSink;

class PlanStream {
 public:
  explicit PlanStream(ByteSink& sink) : sink_(sink) {}

  // Formats with the C conversions and writes the text; every "\n" becomes the
  // two bytes CR LF and nothing else is translated.
  void Print(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Writes bytes exactly as given.
  void WriteBytes(const void* data, std::size_t size);
  // True while nothing has failed: a writer ends each block with this test and
  // stops writing when it answers false.
  bool BlockWritten() const;

 private:
  void WriteTextWithCrLf(const char* text, std::size_t length);

  ByteSink& sink_;
};
