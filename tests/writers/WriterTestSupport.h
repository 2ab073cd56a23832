// Running one writer against the fake ports and getting its bytes back.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/TestApp.h"
#include "writers/ExportType.h"

// Writes the route of `t` with `writer` under `fileName` (whose extension the
// writer replaces) in the folder "out" and returns the file's bytes; a failed
// write is a test failure.
inline std::string WrittenBy(TestApp& t, PlanWriter writer, const char* fileName = "plan.txt") {
  char path[260];
  char name[260];
  std::snprintf(path, sizeof path, "out/%s", fileName);
  std::snprintf(name, sizeof name, "%s", fileName);
  t.files.files.clear();
  EXPECT_EQ(1, writer(t.app, path, name));
  EXPECT_TRUE(t.messages.Messages().empty());
  return t.files.files[path];
}

// The lines of a text plan, split at CR LF; the text after the last CR LF is the
// last element (empty when the file ends in a line end).
inline std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}
