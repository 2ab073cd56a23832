// The list straight from the registry of formats.
#include "cli/FormatList.h"

#include "writers/FormatRegistry.h"

void PrintFormatList(std::FILE* out) {
  for (const ExportType& type : kExportTypes) {
    std::fprintf(out, "%s\t%s\t%s\t%s\n", type.key, type.extension, type.name, type.readBy);
  }
}
