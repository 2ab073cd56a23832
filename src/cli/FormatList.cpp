// The formats by their keys, straight from the registry.
#include "cli/FormatList.h"

#include <algorithm>

#include "writers/FormatRegistry.h"

void PrintFormatList(std::FILE* out) {
  for (const ExportType& type : kExportTypes) {
    std::fprintf(out, "%s\t%s\t%s\t%s\n", type.key, type.extension, type.name, type.readBy);
  }
}

std::string FormatList() {
  std::string list;
  for (const ExportType& type : kExportTypes) list += std::string(type.key) + ", ";
  list.resize(list.size() - 2);
  return list + " or all";
}

std::string FormatsFromList(const std::string& list, std::vector<const ExportType*>& formats) {
  std::vector<bool> wanted(kExportTypeCount, false);
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t comma = std::min(list.find(',', start), list.size());
    std::string word = list.substr(start, comma - start);
    if (word == "all") {
      std::fill(wanted.begin(), wanted.end(), true);
    } else if (const ExportType* known = FindExportTypeByKey(word)) {
      wanted[IndexOf(*known)] = true;
    } else {
      return "unknown format \"" + word + "\" (" + FormatList() + ")";
    }
    start = comma + 1;
  }
  formats.clear();
  for (const ExportType* type : ExportTypesInOrder(&ExportOrder::saveAll)) {
    if (wanted[IndexOf(*type)]) formats.push_back(type);
  }
  return "";
}

