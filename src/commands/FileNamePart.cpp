// The shell's file-name helper: the writers' rule, with "no path" answered.
#include "commands/FileNamePart.h"

#include "writers/FileExtension.h"

const char* FileNamePart(const char* path) {
  if (path == nullptr) return nullptr;
  return FileNamePartOf(path);
}
