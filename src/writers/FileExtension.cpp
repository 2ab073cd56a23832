// Extension replacement limited to the file-name part of a path.
#include "writers/FileExtension.h"

#include <cstring>

const char* FileNamePartOf(const char* path) {
  const char* namePart = path;
  for (const char* p = path; *p != '\0'; ++p) {
    if (*p == '\\' || *p == '/' || *p == ':') namePart = p + 1;
  }
  return namePart;
}

bool ReplaceExtension(char* text, const char* extension, std::size_t capacity) {
  char* dot = std::strrchr(const_cast<char*>(FileNamePartOf(text)), '.');
  if (dot == nullptr) return true;
  std::size_t kept = static_cast<std::size_t>(dot - text);
  std::size_t extensionLength = std::strlen(extension);
  if (kept + extensionLength + 1 > capacity) return false;
  std::memcpy(dot, extension, extensionLength + 1);
  return true;
}
