// Text and byte output of the writers.
#include "writers/PlanStream.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "host/FileSystem.h"

void PlanStream::Print(const char* format, ...) {
  char small[512];
  va_list args;
  va_start(args, format);
  va_list retry;
  va_copy(retry, args);
  int length = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  if (length < 0) {
    va_end(retry);
    return;
  }
  if (static_cast<std::size_t>(length) < sizeof small) {
    WriteTextWithCrLf(small, static_cast<std::size_t>(length));
  } else {
    std::vector<char> large(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(large.data(), large.size(), format, retry);
    WriteTextWithCrLf(large.data(), static_cast<std::size_t>(length));
  }
  va_end(retry);
}

void PlanStream::WriteBytes(const void* data, std::size_t size) { sink_.Write(data, size); }

bool PlanStream::BlockWritten() const { return !sink_.HasFailed(); }

void PlanStream::WriteTextWithCrLf(const char* text, std::size_t length) {
  static const char kCrLf[] = "\r\n";
  const char* end = text + length;
  while (text < end) {
    const char* lineEnd = static_cast<const char*>(std::memchr(text, '\n', end - text));
    if (lineEnd == nullptr) {
      sink_.Write(text, end - text);
      return;
    }
    sink_.Write(text, lineEnd - text);
    sink_.Write(kCrLf, 2);
    text = lineEnd + 1;
  }
}
