// A byte sink in memory: a plan written for reading back, or for a caller that
// keeps the bytes itself.
#pragma once

#include <string>

#include "host/FileSystem.h"

class MemorySink : public ByteSink {
 public:
  void Write(const void* data, std::size_t size) override { bytes.append(static_cast<const char*>(data), size); }
  bool HasFailed() const override { return false; }

  std::string bytes;
};
