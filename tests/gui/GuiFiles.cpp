// Small file and command-line helpers of the GUI cases.
#include "GuiCases.h"

#include "shell/Win32.h"

#include <fstream>
#include <sstream>

bool WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  return static_cast<bool>(file);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Quoted(const std::string& argument) { return "\"" + argument + "\""; }

std::string SourcePath(const std::string& relative) {
  std::string path = std::string("Z:") + PLANTRANSIT_SOURCE_DIR + "/" + relative;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}
